// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/PathScan.h"

#include "engine/FileOperations.h"
#include "engine/StorageRemark.h"
#include "engine/UniqueFd.h"
#include "engine/WipeError.h"
#include "engine/WipeReport.h"

#include <QList>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits>
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

// The names in an open folder, sorted by their bytes.
std::error_code namesIn(int folder, std::vector<QByteArray>& names) {
    std::vector<std::string> found;
    if (const std::error_code error = namesInFolder(folder, found))
        return error;
    names.reserve(found.size());
    for (const std::string& name : found)
        names.push_back(QByteArray::fromStdString(name));
    std::sort(names.begin(), names.end());
    return {};
}

// Whether a name in a folder leads into another mount: another device, or, for a bind mount of
// the same file system, another mount ID.
bool crossesMount(const NodeLook& folder, const NodeLook& entry) {
    if (entry.node.device != folder.node.device)
        return true;
    return folder.mountId != 0 && entry.mountId != 0 && entry.mountId != folder.mountId;
}

// A folder read, with what is left of it to walk.
struct Frame {
    QByteArray path;
    NodeLook look;
    std::vector<std::pair<QByteArray, NodeLook>> entries;
    std::size_t next = 0;
};

// Walks a folder depth first without recursion. Each folder is open only while it is read: a
// subfolder is opened again by its path, and what opens must be the folder its parent showed,
// on the same mount, or it is refused as changed.
class Walker {
public:
    explicit Walker(PathScan& scan) : mScan(scan) {}

    void walk(const QByteArray& path, const NodeIdentity& parent) {
        NodeLook look;
        UniqueFd folder;
        if (const std::error_code error = openFolder(path, folder, look)) {
            mScan.refused.push_back({path, error});
            return;
        }
        std::vector<Frame> frames;
        read(folder.get(), path, look, parent, frames);
        while (!frames.empty()) {
            Frame& frame = frames.back();
            if (frame.next == frame.entries.size()) {
                frames.pop_back();
                continue;
            }
            const auto [name, entry] = std::move(frame.entries[frame.next++]);
            const QByteArray full = fullPath(frame.path, name);
            if (full.size() >= PATH_MAX) {
                mScan.refused.push_back({full, std::make_error_code(std::errc::filename_too_long)});
            } else if (S_ISREG(entry.mode)) {
                mScan.files.push_back({full, entry.size, {entry.node, frame.look.node}});
            } else if (!S_ISDIR(entry.mode)) {
                mScan.refused.push_back({full, refuseUnlessRegular(entry.mode)});
            } else if (crossesMount(frame.look, entry)) {
                mScan.refused.push_back({full, WipeErrc::OtherFileSystem});
            } else {
                enter(full, entry, frame.look, frames);
            }
        }
    }

private:
    static std::error_code openFolder(const QByteArray& path, UniqueFd& folder, NodeLook& look) {
        folder =
            UniqueFd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!folder.valid())
            return lastError();
        return lookAtNode(folder.get(), "", look);
    }

    // frames may grow: parent is a copy, not a reference into it.
    void enter(const QByteArray& path, const NodeLook& shown, NodeLook parent,
               std::vector<Frame>& frames) {
        NodeLook look;
        UniqueFd folder;
        if (const std::error_code error = openFolder(path, folder, look)) {
            mScan.refused.push_back({path, error});
            return;
        }
        if (!isNode(look, shown.node) || crossesMount(parent, look)) {
            mScan.refused.push_back({path, WipeErrc::Changed});
            return;
        }
        read(folder.get(), path, look, parent.node, frames);
    }

    void read(int folder, const QByteArray& path, const NodeLook& look, const NodeIdentity& parent,
              std::vector<Frame>& frames) {
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
        mScan.folders.push_back({path, {look.node, parent}});
        Frame frame{path, look, {}, 0};
        frame.entries.reserve(names.size());
        for (QByteArray& name : names) {
            NodeLook entry;
            if (const std::error_code error = lookAtNode(folder, name.constData(), entry))
                mScan.refused.push_back({fullPath(path, name), error});
            else
                frame.entries.emplace_back(std::move(name), entry);
        }
        frames.push_back(std::move(frame));
    }

    PathScan& mScan;
};

// The identity of the folder that holds path, or nothing when it cannot be looked at.
NodeIdentity parentOf(const QByteArray& path) {
    const UniqueFd parent(
        ::open(splitPath(path.toStdString()).folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    NodeLook look;
    if (!parent.valid() || lookAtNode(parent.get(), "", look))
        return {};
    return look.node;
}

} // namespace

std::vector<KeptFolder> removeEmptiedFolders(FileOperations& files,
                                             const std::vector<FoundFolder>& folders) {
    std::vector<KeptFolder> kept;
    for (std::size_t i = folders.size(); i-- > 0;) {
        const FoundFolder& folder = folders[i];
        const RemoveResult removed = files.removeFolder(folder.path.toStdString(), folder.identity);
        if (removed.error && removed.error != std::errc::no_such_file_or_directory)
            kept.push_back(
                {folder.path, removed.error, QByteArray::fromStdString(removed.strandedAt)});
    }
    std::reverse(kept.begin(), kept.end());
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

PathScan scanPaths(const std::vector<QByteArray>& paths, const QByteArray& base,
                   GivenFolders folders) {
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
        if (S_ISDIR(status.st_mode) && folders == GivenFolders::Refused) {
            scan.refused.push_back({path, {EISDIR, std::system_category()}});
            continue;
        }
        if (S_ISDIR(status.st_mode)) {
            walker.walk(path, parentOf(path));
            continue;
        }
        FoundFile found{path, 0, {}};
        std::int64_t size = 0;
        if (const std::error_code error = identifyFile(path.toStdString(), found.identity, size)) {
            scan.refused.push_back({path, error});
            continue;
        }
        found.size = size;
        scan.files.push_back(found);
    }
    // A file named twice, or found twice, is one file to destroy.
    QSet<QByteArray> seen;
    std::erase_if(scan.files, [&](const FoundFile& file) {
        if (seen.contains(file.path))
            return true;
        seen.insert(file.path);
        return false;
    });
    return scan;
}

} // namespace wypelark
