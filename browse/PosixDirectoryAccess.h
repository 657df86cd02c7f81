// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/DirectoryAccess.h"

namespace wypelark {

// Folders through opendir/readdir on byte strings; volumes from /proc/self/mountinfo.
class PosixDirectoryAccess final : public DirectoryAccess {
public:
    DirectoryListing list(const QByteArray& folder, const EarlyEntries& early) const override;
    std::vector<Volume> volumes() const override;
    QByteArray currentFolder() const override;
};

// The browsable volumes of a mountinfo table, in table order, one per mount point.
std::vector<Volume> parseMountInfo(const QByteArray& mountInfo);

// The mount point among the volumes that holds the folder (the longest that is a prefix).
QByteArray volumeHolding(const std::vector<Volume>& volumes, const QByteArray& folder);

} // namespace wypelark
