// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/TrashPlacesNow.h"

#include "browse/MountInfo.h"

#include <QFile>

#include <algorithm>
#include <unistd.h>

namespace wypelark {
namespace {

bool isKernelType(const QByteArray& type) {
    static const QList<QByteArray> kernel = {
        "proc",    "sysfs",   "cgroup", "cgroup2",     "devpts",   "devtmpfs",  "securityfs",
        "debugfs", "tracefs", "bpf",    "pstore",      "mqueue",   "hugetlbfs", "configfs",
        "fusectl", "autofs",  "nsfs",   "binfmt_misc", "efivarfs", "rpc_pipefs"};
    return kernel.contains(type);
}

} // namespace

std::vector<QByteArray> unmountedVolumes(const QByteArray& fileSystemTable,
                                         const std::vector<QByteArray>& mounted) {
    std::vector<QByteArray> unmounted;
    for (const QByteArray& line : fileSystemTable.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || fields[0].startsWith('#'))
            continue;
        const QByteArray point = unescapeOctal(fields[1]);
        if (!point.startsWith('/') || fields[2] == "swap" ||
            std::find(mounted.begin(), mounted.end(), point) != mounted.end() ||
            std::find(unmounted.begin(), unmounted.end(), point) != unmounted.end())
            continue;
        unmounted.push_back(point);
    }
    return unmounted;
}

TrashPlaces trashPlacesNow() {
    TrashPlaces places;
    places.homeTrash = homeTrashCan();
    places.user = ::getuid();
    std::vector<QByteArray> mounted;
    for (const MountInfoEntry& entry : parseMountInfoEntries(readMountInfo())) {
        mounted.push_back(entry.mountPoint);
        if (!isKernelType(entry.type) &&
            std::find(places.topFolders.begin(), places.topFolders.end(), entry.mountPoint) ==
                places.topFolders.end())
            places.topFolders.push_back(entry.mountPoint);
    }
    QFile table(QStringLiteral("/etc/fstab"));
    if (table.open(QIODevice::ReadOnly))
        places.notMounted = unmountedVolumes(table.read(1 << 20), mounted);
    return places;
}

} // namespace wypelark
