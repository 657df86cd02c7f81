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
                                      const std::vector<FileListEntry>& entries) {
    std::vector<QByteArray> paths;
    for (const FileListEntry& entry : entries) {
        if (entry.selected)
            paths.push_back(fullPath(folder, entry.name));
    }
    return paths;
}

std::vector<RefusedFile> refusalsToName(std::vector<RefusedFile> refused,
                                        const DeletionListModel& list, ListedPaths listed) {
    if (listed == ListedPaths::Skip)
        std::erase_if(refused, [&](const RefusedFile& file) { return list.contains(file.path); });
    return refused;
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
    PathScan scan = measureSelected(folder, selectedPaths(folder, entries));
    list.appendNew(scan.files, listed);
    return refusalsToName(std::move(scan.refused), list, listed);
}

} // namespace wypelark
