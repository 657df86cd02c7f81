// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

#include <cstdint>

namespace wypelark {

// The drive a volume lies on, as its maker names it: what a record keeps so that a device can be
// told from another of the same size long after the run.
struct DriveIdentity {
    QString model;
    QString serial;

    bool known() const { return !model.isEmpty() || !serial.isEmpty(); }
};

// The model and serial number of the drive that holds the block device numbered device (an
// st_dev), as the kernel's sysfs below sysRoot gives them: a partition's whole disk, and the one
// drive beneath a mapped device (LVM, an encrypted volume). Empty where nothing names the drive:
// a loop or memory device, a device of several drives, a file system with no device.
DriveIdentity driveIdentity(std::uint64_t device, const QString& sysRoot = QStringLiteral("/sys"));

} // namespace wypelark
