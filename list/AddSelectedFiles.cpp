// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/AddSelectedFiles.h"

#include "list/DeletionListModel.h"
#include "list/FileMeasure.h"
#include "list/ShownName.h"

#include <QFile>

namespace wypelark {

QByteArray fullPath(const QByteArray& folder, const QByteArray& name) {
    return QByteArray::fromStdString(joinPath(folder.toStdString(), name.toStdString()));
}

std::vector<RefusedFile> AddSelectedFiles(const QByteArray& folder,
                                          const std::vector<FileListEntry>& entries,
                                          DeletionListModel& list, ListedPaths listed) {
    std::vector<RefusedFile> refused;
    const FolderLook look = lookAtFolder(folder);
    for (const FileListEntry& entry : entries) {
        if (!entry.selected)
            continue;
        const QByteArray path = fullPath(folder, entry.name);
        const bool known = list.contains(path);
        if (known && listed == ListedPaths::Skip)
            continue;
        const FileMeasurement measured = measureFileIn(look, path);
        if (measured.error) {
            refused.push_back({path, measured.error});
            continue;
        }
        if (known)
            list.takeAgain(path, measured.size, measured.identity);
        else
            list.append(path, measured.size, measured.identity);
    }
    return refused;
}

} // namespace wypelark
