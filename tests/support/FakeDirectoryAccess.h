// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/PosixDirectoryAccess.h"

#include <QByteArray>
#include <QMap>

#include <cerrno>
#include <vector>

namespace wypelark::testing {

// The real folders, except for volumes and folders that a test makes fail with an errno.
class FakeDirectoryAccess final : public DirectoryAccess {
public:
    std::vector<Volume> shownVolumes;
    QByteArray startFolder = "/";
    QMap<QByteArray, int> failing; // folder -> errno
    bool realVolumes = false;      // the mounted volumes rather than shownVolumes

    DirectoryListing list(const QByteArray& folder) const override {
        if (failing.contains(folder))
            return {{}, {failing.value(folder), std::system_category()}};
        return mReal.list(folder);
    }
    std::vector<Volume> volumes() const override {
        return realVolumes ? mReal.volumes() : shownVolumes;
    }
    QByteArray currentFolder() const override { return startFolder; }

private:
    PosixDirectoryAccess mReal;
};

} // namespace wypelark::testing
