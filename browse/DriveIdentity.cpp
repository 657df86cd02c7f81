// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/DriveIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/sysmacros.h>

namespace wypelark {
namespace {

// Mapped devices stacked deeper than this are not followed.
constexpr int MostLayers = 4;

// A sysfs attribute's text, its padding and new line taken off; empty where there is none.
QString attribute(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.read(256)).simplified();
}

// SCSI and SATA drives give their serial number in the inquiry page 0x80: four bytes of header,
// then the number.
QString unitSerialPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray page = file.read(256);
    if (page.size() <= 4)
        return {};
    return QString::fromLatin1(page.mid(4)).simplified();
}

DriveIdentity identityOfDisk(const QString& disk, int layer) {
    const QDir slaves(disk + QStringLiteral("/slaves"));
    const QStringList below = slaves.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (!below.isEmpty()) {
        // A mapped device names its drive only when it lies on exactly one.
        if (below.size() != 1 || layer >= MostLayers)
            return {};
        QString beneath = QFileInfo(slaves.filePath(below.front())).canonicalFilePath();
        if (QFile::exists(beneath + QStringLiteral("/partition")))
            beneath = QFileInfo(beneath).path();
        return identityOfDisk(beneath, layer + 1);
    }
    DriveIdentity identity;
    identity.model = attribute(disk + QStringLiteral("/device/model"));
    for (const QString& serial : {QStringLiteral("/serial"), QStringLiteral("/device/serial")}) {
        if (identity.serial.isEmpty())
            identity.serial = attribute(disk + serial);
    }
    if (identity.serial.isEmpty())
        identity.serial = unitSerialPage(disk + QStringLiteral("/device/vpd_pg80"));
    return identity;
}

} // namespace

DriveIdentity driveIdentity(std::uint64_t device, const QString& sysRoot) {
    const QString number = QStringLiteral("%1/dev/block/%2:%3")
                               .arg(sysRoot)
                               .arg(::major(static_cast<dev_t>(device)))
                               .arg(::minor(static_cast<dev_t>(device)));
    QString disk = QFileInfo(number).canonicalFilePath();
    if (disk.isEmpty())
        return {};
    if (QFile::exists(disk + QStringLiteral("/partition")))
        disk = QFileInfo(disk).path();
    return identityOfDisk(disk, 0);
}

} // namespace wypelark
