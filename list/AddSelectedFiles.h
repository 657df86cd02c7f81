// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list/ListedPaths.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <system_error>
#include <vector>

namespace wypelark {

class DeletionListModel;
struct PathScan;

// One entry of the folder browser's file list.
struct FileListEntry {
    QByteArray name; // as the file system gave it
    bool selected = false;
};

struct RefusedFile {
    QByteArray path;
    std::error_code error;
};

// The paths of the named files of a folder, in order. Reads nothing from the disk and touches no
// list, so it can be made away from the list's thread.
std::vector<QByteArray> pathsIn(const QByteArray& folder, const QList<QByteArray>& names);

// The refusals of a measuring that the list is to name: a path it holds and does not take again
// was not the list's to take, so its refusal is dropped.
std::vector<RefusedFile> refusalsToName(std::vector<RefusedFile> refused,
                                        const DeletionListModel& list, ListedPaths listed);

// Measures each path of the folder as a regular file; what cannot be measured as one is refused.
// Touches no list, so it can be made away from the list's thread.
PathScan measureSelected(const QByteArray& folder, const std::vector<QByteArray>& paths);

// Appends every selected entry of the file list that is not listed yet, in the file list's
// order, with its size. Entries that cannot be measured as regular files are not appended;
// they come back so that the window can name them.
std::vector<RefusedFile> AddSelectedFiles(const QByteArray& folder,
                                          const std::vector<FileListEntry>& entries,
                                          DeletionListModel& list,
                                          ListedPaths listed = ListedPaths::Skip);

// The full path of a file in a folder: one "/" between them, none added after the root.
QByteArray fullPath(const QByteArray& folder, const QByteArray& name);

} // namespace wypelark
