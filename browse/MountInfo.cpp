// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/MountInfo.h"

#include <QFile>
#include <QList>

#include <sys/sysmacros.h>

namespace wypelark {

// mountinfo escapes blanks, tabs, newlines and backslashes as three octal digits.
QByteArray unescapeOctal(const QByteArray& field) {
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += static_cast<char>(value);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

std::vector<MountInfoEntry> parseMountInfoEntries(const QByteArray& mountInfo) {
    std::vector<MountInfoEntry> entries;
    for (const QByteArray& line : mountInfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 0 || dash + 2 >= fields.size())
            continue;
        const QList<QByteArray> number = fields[2].split(':');
        if (number.size() != 2)
            continue;
        entries.push_back({makedev(number[0].toUInt(), number[1].toUInt()),
                           unescapeOctal(fields[4]), fields[dash + 1],
                           unescapeOctal(fields[dash + 2])});
    }
    return entries;
}

QByteArray readMountInfo() {
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    return table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
}

} // namespace wypelark
