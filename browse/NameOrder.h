// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QList>

namespace wypelark {

// Sorts file names as a file manager does: by their shown text, ignoring case, with digit
// runs compared as numbers; names that show alike keep a stable byte order.
void sortNames(QList<QByteArray>& names);

} // namespace wypelark
