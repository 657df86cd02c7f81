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

std::vector<QByteArray> pathsIn(const QByteArray& folder, const QList<QByteArray>& names) {
    std::vector<QByteArray> paths;
    paths.reserve(static_cast<std::size_t>(names.size()));
    for (const QByteArray& name : names)
        paths.push_back(fullPath(folder, name));
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
    scan.files.reserve(paths.size());
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
    QList<QByteArray> selected;
    for (const FileListEntry& entry : entries) {
        if (entry.selected)
            selected.push_back(entry.name);
    }
    PathScan scan = measureSelected(folder, pathsIn(folder, selected));
    list.appendNew(scan.files, listed);
    return refusalsToName(std::move(scan.refused), list, listed);
}

} // namespace wypelark
