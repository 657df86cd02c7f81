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

} // namespace wypelark
