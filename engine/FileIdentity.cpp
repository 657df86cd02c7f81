// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/FileIdentity.h"

#include "engine/StorageRemark.h"
#include "engine/UniqueFd.h"
#include "engine/WipeError.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace wypelark {
namespace {

std::error_code lastError() {
    return {errno, std::system_category()};
}

// The inode generation, read through a descriptor opened for reading (an O_PATH descriptor
// cannot be asked). Opened without following a link and without blocking, and only for the node
// looked at.
InodeStamp generationOf(int folder, const char* name, const struct statx& looked) {
    const bool directory = S_ISDIR(looked.stx_mode);
    if (!directory && !S_ISREG(looked.stx_mode))
        return {};
    UniqueFd own;
    int fd = folder;
    const bool self = *name == '\0';
    const int flags = ::fcntl(folder, F_GETFL);
    if (!self || flags < 0 || (flags & O_PATH) != 0) {
        if (self && !directory)
            return {};
        own = UniqueFd(::openat(folder, self ? "." : name,
                                O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC |
                                    (directory ? O_DIRECTORY : 0)));
        struct stat opened {};
        if (!own.valid() || ::fstat(own.get(), &opened) != 0 ||
            static_cast<std::uint64_t>(opened.st_ino) != looked.stx_ino)
            return {};
        fd = own.get();
    }
    int generation = 0;
    if (::ioctl(fd, FS_IOC_GETVERSION, &generation) != 0)
        return {};
    return {static_cast<std::int64_t>(generation), 0, InodeStamp::Kind::Generation};
}

// An overlay mount copies a file up to its upper layer when it is first opened for writing: the
// same file then shows another birth time and generation. Its stamp is not taken.
bool onOverlay(int folder, const char* name) {
    struct statfs fileSystem {};
    const int result = *name == '\0' || folder != AT_FDCWD ? ::fstatfs(folder, &fileSystem)
                                                           : ::statfs(name, &fileSystem);
    return result == 0 && static_cast<std::uint64_t>(fileSystem.f_type) == OVERLAYFS_SUPER_MAGIC;
}

} // namespace

std::error_code lookAtNode(int folder, const char* name, NodeLook& look) {
    struct statx looked {};
    const int flags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | (*name == '\0' ? AT_EMPTY_PATH : 0);
    if (::statx(folder, name, flags, STATX_BASIC_STATS | STATX_BTIME | STATX_MNT_ID, &looked) != 0)
        return lastError();
    look.mode = looked.stx_mode;
    look.size = static_cast<std::int64_t>(looked.stx_size);
    look.allocatedBytes = static_cast<std::int64_t>(looked.stx_blocks) * 512;
    look.linkCount = looked.stx_nlink;
    look.owner = looked.stx_uid;
    look.mountId = (looked.stx_mask & STATX_MNT_ID) != 0 ? looked.stx_mnt_id : 0;
    look.node.device = makedev(looked.stx_dev_major, looked.stx_dev_minor);
    look.node.inode = looked.stx_ino;
    if (onOverlay(folder, name))
        look.node.stamp = {};
    else if ((looked.stx_mask & STATX_BTIME) != 0 && looked.stx_btime.tv_sec != 0)
        look.node.stamp = {looked.stx_btime.tv_sec, looked.stx_btime.tv_nsec,
                           InodeStamp::Kind::Birth};
    else
        look.node.stamp = generationOf(folder, name, looked);
    return {};
}

std::error_code namesInFolder(int folder, std::vector<std::string>& names) {
    const int own = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (own < 0)
        return lastError();
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(own), ::closedir);
    if (!dir) {
        const std::error_code error = lastError();
        ::close(own);
        return error;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
        errno = 0;
    }
    return errno != 0 ? lastError() : std::error_code();
}

std::error_code openShownNode(int folder, const std::string& name, int flags, const NodeLook& shown,
                              UniqueFd& opened) {
    opened = UniqueFd(::openat(folder, name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC));
    if (!opened.valid())
        return lastError();
    NodeLook look;
    if (const std::error_code error = lookAtNode(opened.get(), "", look))
        return error;
    if (!isNode(look, shown.node))
        return WipeErrc::Changed;
    return {};
}

bool isNode(const NodeLook& look, const NodeIdentity& identity) {
    return identity.inode != 0 && look.node.device == identity.device &&
           look.node.inode == identity.inode &&
           (identity.stamp.kind == InodeStamp::Kind::None || look.node.stamp == identity.stamp);
}

std::error_code refuseUnlessRegular(unsigned mode) {
    if (S_ISLNK(mode))
        return WipeErrc::SymbolicLink;
    if (!S_ISREG(mode))
        return WipeErrc::NotRegularFile;
    return {};
}

PathParts splitPath(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

std::error_code identifyFile(const std::string& path, FileIdentity& identity, std::int64_t& size) {
    const PathParts parts = splitPath(path);
    const UniqueFd folder(::open(parts.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return lastError();
    NodeLook file;
    if (const std::error_code error = lookAtNode(folder.get(), parts.name.c_str(), file))
        return error;
    if (const std::error_code refused = refuseUnlessRegular(file.mode))
        return refused;
    struct statfs fileSystem {};
    if (::fstatfs(folder.get(), &fileSystem) != 0)
        return lastError();
    if (isKernelFileSystem(static_cast<std::uint64_t>(fileSystem.f_type)))
        return WipeErrc::KernelFileSystem;
    NodeLook folderLook;
    if (const std::error_code error = lookAtNode(folder.get(), "", folderLook))
        return error;
    identity = {file.node, folderLook.node};
    size = file.size;
    return {};
}

} // namespace wypelark
