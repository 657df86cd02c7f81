// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace wypelark {

// One line of the kernel's mount table (/proc/self/mountinfo), its octal escapes undone: names
// with blanks, tabs, newlines or backslashes read as they are.
struct MountInfoEntry {
    std::uint64_t device = 0; // the st_dev of what is mounted
    QByteArray mountPoint;
    QByteArray type;
    QByteArray source;
};

std::vector<MountInfoEntry> parseMountInfoEntries(const QByteArray& mountInfo);

// A field of the mount table or of fstab with its octal escapes (\040 for a blank) undone.
QByteArray unescapeOctal(const QByteArray& field);

// The mount table of this process as the kernel gives it; empty when it cannot be read.
QByteArray readMountInfo();

} // namespace wypelark
