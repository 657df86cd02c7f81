// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QString>

namespace wypelark {

// Puts bytes at a path whole or not at all: they are written to a new file beside it, flushed
// to the device, and renamed over the name, which is replaced itself: a symbolic link there is
// never followed. On any failure the file that was there is left as it was, nothing new stays
// behind, and the reason comes back; an empty text when the bytes are in place.
QString saveWhole(const QString& path, const QByteArray& bytes);

} // namespace wypelark
