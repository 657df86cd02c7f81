// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/TrashTexts.h"

namespace wypelark {

QString TrashTexts::reason(WipeErrc errc) {
    switch (errc) {
    case WipeErrc::DescribedFileKept:
        return tr("Records where a file in the Trash came from, and that file is still there; "
                  "left alone");
    case WipeErrc::UnsafeTrash:
        return tr("A shared trash folder that is not sticky, so that anyone could have put "
                  "files in it; not entered");
    case WipeErrc::NotMounted:
        return tr("The volume is not mounted: its trash can, if it has one, was not reached");
    default:
        break;
    }
    return {};
}

QString TrashTexts::empty() {
    return tr("The Trash is empty: nothing was added");
}

} // namespace wypelark
