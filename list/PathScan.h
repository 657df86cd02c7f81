// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"
#include "list/AddSelectedFiles.h"

#include <QByteArray>

#include <vector>

namespace wypelark {

class FileOperations;

struct FoundFile {
    QByteArray path;
    qint64 size = 0;
    FileIdentity identity;
};

// A folder walked: its identity is its own and its parent's.
struct FoundFolder {
    QByteArray path;
    FileIdentity identity;
};

// What a set of paths names: the regular files, the folders walked, and what was refused.
struct PathScan {
    std::vector<FoundFile> files;
    std::vector<FoundFolder> folders; // every folder walked, parents before their children
    std::vector<RefusedFile> refused;
};

// Finds the files that paths name, as the command line or a drop gives them. A relative path is
// taken against base. A regular file is found as it is; a folder gives every regular file below
// it, hidden ones included, sorted by raw name in each folder, depth first. Symbolic links are
// never followed, no other mount is entered (bind mounts of the same file system included), and
// links, special files, mount points and folders that cannot be read are refused, each with its
// reason. The walk needs no stack of its own and holds one folder open at a time, so any depth
// ends; a path too long to be opened is refused by its name. An empty path names nothing and is
// refused too (taken against base it would name base itself).
// With GivenFolders::Refused, a folder given is refused as one, not walked.
enum class GivenFolders { Walked, Refused };
PathScan scanPaths(const std::vector<QByteArray>& paths, const QByteArray& base,
                   GivenFolders folders = GivenFolders::Walked);

struct KeptFolder {
    QByteArray path;
    std::error_code reason;
    QByteArray strandedAt = {}; // another program's folder that could not be put back, if any
};

// After a run, removes the folders that are empty now, deepest first: folders lists parents
// before their children. Each is removed only while its path still leads to the folder walked,
// and only when empty, never with what it holds. The folders that stay come back, parents
// first, each with the reason.
std::vector<KeptFolder> removeEmptiedFolders(FileOperations& files,
                                             const std::vector<FoundFolder>& folders);

// A path made absolute against base, with its "." segments and doubled separators left out;
// the bytes of every name are kept as they are.
QByteArray absolutePath(const QByteArray& path, const QByteArray& base);

} // namespace wypelark
