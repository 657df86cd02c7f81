// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/TrashOrigins.h"

namespace wypelark {

void TrashOrigins::take(const std::vector<TrashEntry>& entries) {
    for (const TrashEntry& entry : entries) {
        if (!entry.originalPath.isEmpty())
            mOrigins.insert(entry.path, entry.originalPath);
        if (!entry.record.isEmpty())
            mRecords.insert(entry.record, entry.path);
    }
}

void TrashOrigins::clear() {
    mOrigins.clear();
    mRecords.clear();
}

QByteArray TrashOrigins::originOf(const QByteArray& path) const {
    if (mOrigins.isEmpty())
        return {};
    // The entry is the path itself, or the folder of the Trash's files it lies below.
    for (qsizetype end = path.size(); end > 0; end = path.lastIndexOf('/', end - 1)) {
        const auto found = mOrigins.constFind(path.left(end));
        if (found != mOrigins.constEnd())
            return found.value() + path.mid(end);
    }
    return {};
}

} // namespace wypelark
