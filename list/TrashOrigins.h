// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list/TrashScan.h"

#include <QByteArray>
#include <QHash>

namespace wypelark {

// What the listed files taken from a Trash were: the path each had before it was put there, and
// the records of where they came from, each bound to the entry it describes.
class TrashOrigins {
public:
    void take(const std::vector<TrashEntry>& entries);
    void clear();
    bool empty() const { return mOrigins.isEmpty() && mRecords.isEmpty(); }

    // The path a listed file had before it was put in a Trash, a file below a trashed folder
    // included; empty for any other file.
    QByteArray originOf(const QByteArray& path) const;
    // Whether the path is a Trash's record, destroyed only once what it describes is gone.
    bool isRecord(const QByteArray& path) const { return mRecords.contains(path); }
    // The entry a record describes: its file or folder in the Trash.
    QByteArray describedEntry(const QByteArray& record) const { return mRecords.value(record); }

private:
    QHash<QByteArray, QByteArray> mOrigins; // entry -> the path it had
    QHash<QByteArray, QByteArray> mRecords; // record -> entry
};

} // namespace wypelark
