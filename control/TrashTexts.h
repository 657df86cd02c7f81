// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/WipeError.h"

#include <QCoreApplication>
#include <QString>

namespace wypelark {

// The sentences about the person's trash cans, in the user's language.
class TrashTexts {
    Q_DECLARE_TR_FUNCTIONS(TrashTexts)

public:
    // Why a trash can, or a record in one, was left alone.
    static QString reason(WipeErrc errc);
    // Nothing was found in any trash can.
    static QString empty();
};

} // namespace wypelark
