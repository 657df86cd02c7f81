#include "engine/FileIdentity.h"

#include "engine/StorageRemark.h"
#include "engine/WipeError.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/vfs.h>

namespace wypelark {

FileIdentity identityOf(const struct stat& file, const struct stat& folder) {
    return {static_cast<std::uint64_t>(file.st_dev), static_cast<std::uint64_t>(file.st_ino),
            static_cast<std::uint64_t>(folder.st_dev), static_cast<std::uint64_t>(folder.st_ino)};
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

std::error_code identifyFile(const std::string& path, FileIdentity& identity, std::int64_t& size) {
    const auto lastError = [] { return std::error_code(errno, std::system_category()); };
    struct stat file {};
    if (::lstat(path.c_str(), &file) != 0)
        return lastError();
    if (const std::error_code refused = refuseUnlessRegular(file.st_mode))
        return refused;
    struct statfs fileSystem {};
    if (::statfs(path.c_str(), &fileSystem) != 0)
        return lastError();
    if (isKernelFileSystem(static_cast<std::uint64_t>(fileSystem.f_type)))
        return WipeErrc::KernelFileSystem;
    struct stat folder {};
    if (::stat(splitPath(path).folder.c_str(), &folder) != 0)
        return lastError();
    identity = identityOf(file, folder);
    size = static_cast<std::int64_t>(file.st_size);
    return {};
}

} // namespace wypelark
