// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/AddSelectedFiles.h"

#include "list/DeletionListModel.h"
#include "list/FileMeasure.h"
#include "list/PathScan.h"
#include "list/ShownName.h"

#include <QFile>

namespace wypelark {

QByteArray fullPath(const QByteArray& folder, const QByteArray& name) {
    QByteArray path;
    path.reserve(folder.size() + 1 + name.size());
    path.append(folder);
    if (!folder.endsWith('/'))
        path.append('/');
    return path.append(name);
}

std::vector<QByteArray> selectedPaths(const QByteArray& folder,
                                      const std::vector<FileListEntry>& entries,
                                      const DeletionListModel& list, ListedPaths listed) {
    std::vector<QByteArray> paths;
    paths.reserve(entries.size());
    for (const FileListEntry& entry : entries) {
        if (!entry.selected)
            continue;
        QByteArray path = fullPath(folder, entry.name);
        if (listed == ListedPaths::TakeAgain || !list.contains(path))
            paths.push_back(std::move(path));
    }
    return paths;
}

PathScan measureSelected(const QByteArray& folder, const std::vector<QByteArray>& paths) {
    PathScan scan;
    const FolderLook look = lookAtFolder(folder);
    for (const QByteArray& path : paths) {
        const FileMeasurement measured = measureFileIn(look, path);
        if (measured.error)
            scan.refused.push_back({path, measured.error});
        else
            scan.files.push_back({path, measured.size, measured.identity});
    }
    return scan;
}

std::vector<RefusedFile> AddSelectedFiles(const QByteArray& folder,
                                          const std::vector<FileListEntry>& entries,
                                          DeletionListModel& list, ListedPaths listed) {
    PathScan scan = measureSelected(folder, selectedPaths(folder, entries, list, listed));
    list.appendNew(scan.files, listed);
    return std::move(scan.refused);
}

} // namespace wypelark
