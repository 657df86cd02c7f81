// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list/AddSelectedFiles.h"

#include <QByteArray>

#include <sys/types.h>
#include <vector>

namespace wypelark {

// Where a person's trash cans may be, as freedesktop.org desktops lay them out.
struct TrashPlaces {
    QByteArray homeTrash;               // $XDG_DATA_HOME/Trash
    std::vector<QByteArray> topFolders; // the mount points of the volumes mounted now
    std::vector<QByteArray> notMounted; // the mount points of volumes known but not mounted
    uid_t user = 0;
};

// A file or folder in a trash can, and the record of where it came from, when there is one.
struct TrashEntry {
    QByteArray path;         // <can>/files/<name>
    QByteArray record;       // <can>/info/<name>.trashinfo; empty when missing
    QByteArray originalPath; // from the record; empty when it names none
};

// What a person's trash cans hold.
struct TrashContents {
    std::vector<QByteArray> cans;
    std::vector<TrashEntry> entries;
    std::vector<TrashEntry> strayRecords; // records whose file is no longer there
    std::vector<QByteArray> sizeCaches;   // the cans' directorysizes files
    // Cans refused: a shared .Trash that is a link or is not sticky, a can of another user's.
    std::vector<RefusedFile> refused;
    std::vector<QByteArray> notReached; // volumes known but not mounted
};

// Looks for the home trash can and, on each volume, $top/.Trash/$uid (only below a sticky .Trash
// that is no link) and $top/.Trash-$uid, each a folder of the user's own that is no link. Only
// the entries of a can's files folder, the regular files of its info folder and its
// directorysizes are named; nothing below an entry is looked at, nothing is followed or written.
TrashContents scanTrash(const TrashPlaces& places);

// The home trash can: $XDG_DATA_HOME/Trash, or ~/.local/share/Trash.
QByteArray homeTrashCan();

// Whether nothing but empty folders is left at an entry's path: its file is gone, or its folder
// holds no file any more (a link or special file counts as one).
bool trashEntryEmptied(const QByteArray& path);

// The original path a .trashinfo record names, made absolute against the volume's top folder;
// empty when the record is not one.
QByteArray recordedOriginalPath(const QByteArray& record, const QByteArray& topFolder);

} // namespace wypelark
