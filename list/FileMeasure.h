// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"

#include <QByteArray>
#include <QtGlobal>

#include <system_error>

namespace wypelark {

struct FileMeasurement {
    qint64 size = 0;
    FileIdentity identity;
    std::error_code error; // set when the path is not a regular file that can be listed
};

// Measures and identifies a file from its metadata alone, without opening it and without
// following a final symbolic link.
FileMeasurement measureFile(const QByteArray& path);

// One look at a folder, for measuring many of its files.
struct FolderLook {
    NodeIdentity node;
    std::error_code error; // the folder cannot be looked at, or lies on a kernel file system
};
FolderLook lookAtFolder(const QByteArray& folder);

// measureFile for a file of a folder looked at already.
FileMeasurement measureFileIn(const FolderLook& folder, const QByteArray& path);

} // namespace wypelark
