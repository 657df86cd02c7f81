// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/FileMeasure.h"

#include "engine/StorageRemark.h"
#include "engine/UniqueFd.h"
#include "engine/WipeError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>

namespace wypelark {

FileMeasurement measureFile(const QByteArray& path) {
    FileMeasurement measured;
    std::int64_t size = 0;
    measured.error = identifyFile(path.toStdString(), measured.identity, size);
    if (!measured.error)
        measured.size = size;
    return measured;
}

FolderLook lookAtFolder(const QByteArray& folder) {
    FolderLook look;
    const UniqueFd fd(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    NodeLook node;
    struct statfs fileSystem {};
    if (!fd.valid()) {
        look.error = {errno, std::system_category()};
        return look;
    }
    if (const std::error_code error = lookAtNode(fd.get(), "", node)) {
        look.error = error;
        return look;
    }
    if (::fstatfs(fd.get(), &fileSystem) != 0) {
        look.error = {errno, std::system_category()};
        return look;
    }
    look.node = node.node;
    if (isKernelFileSystem(static_cast<std::uint64_t>(fileSystem.f_type)))
        look.error = WipeErrc::KernelFileSystem;
    return look;
}

FileMeasurement measureFileIn(const FolderLook& folder, const QByteArray& path) {
    FileMeasurement measured;
    if (folder.error) {
        measured.error = folder.error;
        return measured;
    }
    NodeLook look;
    measured.error = lookAtNode(AT_FDCWD, path.constData(), look);
    if (!measured.error)
        measured.error = refuseUnlessRegular(look.mode);
    if (measured.error)
        return measured;
    measured.size = look.size;
    measured.identity = {look.node, folder.node};
    return measured;
}

} // namespace wypelark
