// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <system_error>
#include <vector>

namespace wypelark {

struct DirectoryEntry {
    QByteArray name; // the bytes the file system gave, never re-encoded
    bool isFolder = false;
};

struct DirectoryListing {
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    // The folder's change time as the listing began, in nanoseconds; 0 where it is not known or
    // so recent that a change in the same tick of the clock could have gone unseen.
    std::int64_t changeStamp = 0;
};

// The change time of a folder whose entries were last changed some time ago, as a listing's
// stamp; 0 for any other.
std::int64_t settledChangeStamp(int folder);

// Handed, on the listing's own thread, the entries a long listing has read so far, a slice at a
// time while it goes on, so that they can be shown before it ends.
using EarlyEntries = std::function<void(std::vector<DirectoryEntry>)>;

// The names of a listing's folders and of its files, each in the listing's order.
struct PartedNames {
    QList<QByteArray> folders;
    QList<QByteArray> files;
};

// The names moved out of the entries.
PartedNames partedNames(std::vector<DirectoryEntry> entries);

// A mounted volume a person browses: its mount point and what to call it.
struct Volume {
    QByteArray mountPoint;
    QString label;
};

// What the folder browser reads from the file system.
class DirectoryAccess {
public:
    virtual ~DirectoryAccess() = default;

    // Every entry of a folder except "." and "..", hidden ones included. early, where given, is
    // handed the entries read so far while a long listing goes on; the listing holds them too.
    virtual DirectoryListing list(const QByteArray& folder, const EarlyEntries& early) const = 0;
    virtual std::vector<Volume> volumes() const = 0;
    virtual QByteArray currentFolder() const = 0;
};

// True for the errors that mean the volume's device is not there or not ready.
bool isDeviceNotReady(std::error_code error);

// A folder path without trailing separators; "/" for the root and for an empty path.
QByteArray normalizedFolder(const QByteArray& path);

} // namespace wypelark
