#include "list/PathScan.h"

#include "engine/StorageRemark.h"
#include "engine/UniqueFd.h"
#include "engine/WipeError.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace wypelark {
namespace {

std::error_code lastError() {
    return {errno, std::system_category()};
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// The names in an open folder, sorted by their bytes.
std::error_code namesIn(int folder, std::vector<QByteArray>& names) {
    const int own = ::dup(folder);
    if (own < 0)
        return lastError();
    const std::unique_ptr<DIR, DirCloser> dir(::fdopendir(own));
    if (!dir) {
        ::close(own);
        return lastError();
    }
    errno = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
        errno = 0;
    }
    if (errno != 0)
        return lastError();
    std::sort(names.begin(), names.end());
    return {};
}

class Walker {
public:
    explicit Walker(PathScan& scan) : mScan(scan) {}

    void walk(int folder, const QByteArray& path, const struct stat& folderStatus) {
        struct statfs fileSystem {};
        if (::fstatfs(folder, &fileSystem) == 0 &&
            isKernelFileSystem(static_cast<std::uint64_t>(fileSystem.f_type))) {
            mScan.refused.push_back({path, WipeErrc::KernelFileSystem});
            return;
        }
        std::vector<QByteArray> names;
        if (const std::error_code error = namesIn(folder, names)) {
            mScan.refused.push_back({path, error});
            return;
        }
        mScan.folders.push_back(path);
        for (const QByteArray& name : names) {
            const QByteArray full = fullPath(path, name);
            struct stat status {};
            if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
                mScan.refused.push_back({full, lastError()});
            } else if (S_ISREG(status.st_mode)) {
                mScan.files.push_back(
                    {full, static_cast<qint64>(status.st_size), identityOf(status, folderStatus)});
            } else if (S_ISDIR(status.st_mode)) {
                enter(folder, name, full, status, folderStatus.st_dev);
            } else {
                mScan.refused.push_back({full, refuseUnlessRegular(status.st_mode)});
            }
        }
    }

    void enter(int parent, const QByteArray& name, const QByteArray& path,
               const struct stat& looked, dev_t device) {
        if (looked.st_dev != device) {
            mScan.refused.push_back({path, WipeErrc::OtherFileSystem});
            return;
        }
        const UniqueFd folder(
            ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat status {};
        if (!folder.valid() || ::fstat(folder.get(), &status) != 0) {
            mScan.refused.push_back({path, lastError()});
            return;
        }
        if (status.st_dev != looked.st_dev || status.st_ino != looked.st_ino) {
            mScan.refused.push_back({path, WipeErrc::Changed});
            return;
        }
        walk(folder.get(), path, status);
    }

private:
    PathScan& mScan;
};

} // namespace

std::vector<KeptFolder> removeEmptiedFolders(const std::vector<QByteArray>& folders) {
    std::vector<KeptFolder> kept;
    for (std::size_t i = folders.size(); i-- > 0;) {
        if (::rmdir(folders[i].constData()) != 0 && errno != ENOENT)
            kept.insert(kept.begin(), {folders[i], lastError()});
    }
    return kept;
}

QByteArray absolutePath(const QByteArray& path, const QByteArray& base) {
    const QByteArray joined = path.startsWith('/') ? path : base + '/' + path;
    QByteArray clean;
    for (const QByteArray& segment : joined.split('/')) {
        if (segment.isEmpty() || segment == ".")
            continue;
        clean += '/' + segment;
    }
    return clean.isEmpty() ? QByteArray("/") : clean;
}

PathScan scanPaths(const std::vector<QByteArray>& paths, const QByteArray& base) {
    PathScan scan;
    Walker walker(scan);
    for (const QByteArray& given : paths) {
        if (given.isEmpty()) {
            scan.refused.push_back({given, WipeErrc::EmptyName});
            continue;
        }
        const QByteArray path = absolutePath(given, base);
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0) {
            scan.refused.push_back({path, lastError()});
            continue;
        }
        if (!S_ISDIR(status.st_mode)) {
            FoundFile found{path, 0, {}};
            std::int64_t size = 0;
            if (const std::error_code error =
                    identifyFile(path.toStdString(), found.identity, size)) {
                scan.refused.push_back({path, error});
                continue;
            }
            found.size = size;
            scan.files.push_back(found);
            continue;
        }
        const UniqueFd folder(
            ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat opened {};
        if (!folder.valid() || ::fstat(folder.get(), &opened) != 0) {
            scan.refused.push_back({path, lastError()});
            continue;
        }
        walker.walk(folder.get(), path, opened);
    }
    return scan;
}

} // namespace wypelark
