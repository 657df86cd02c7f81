#include "list/FileMeasure.h"

#include "engine/StorageRemark.h"
#include "engine/WipeError.h"

#include <cerrno>
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
    struct stat status {};
    struct statfs fileSystem {};
    if (::stat(folder.constData(), &status) != 0 ||
        ::statfs(folder.constData(), &fileSystem) != 0) {
        look.error = {errno, std::system_category()};
        return look;
    }
    look.device = static_cast<std::uint64_t>(status.st_dev);
    look.inode = static_cast<std::uint64_t>(status.st_ino);
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
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        measured.error = {errno, std::system_category()};
    else
        measured.error = refuseUnlessRegular(status.st_mode);
    if (measured.error)
        return measured;
    measured.size = static_cast<qint64>(status.st_size);
    measured.identity = {static_cast<std::uint64_t>(status.st_dev),
                         static_cast<std::uint64_t>(status.st_ino), folder.device, folder.inode};
    return measured;
}

} // namespace wypelark
