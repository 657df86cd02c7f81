// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/BlockDevice.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace wypelark {
namespace {

namespace fs = std::filesystem;

// Loop on a file on dm on RAID on a partition is four steps; a loop in the chain ends there.
constexpr int MostSteps = 8;

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

DeviceKind worse(DeviceKind a, DeviceKind b) {
    // What keeps old copies wins over what does not; memory over a spinning disk.
    const auto rank = [](DeviceKind kind) {
        switch (kind) {
        case DeviceKind::Flash:
            return 3;
        case DeviceKind::Memory:
            return 2;
        case DeviceKind::Rotational:
            return 1;
        case DeviceKind::Unknown:
            return 0;
        }
        return 0;
    };
    return rank(a) >= rank(b) ? a : b;
}

DeviceKind kindAt(const fs::path& device, const std::string& sysfs, int steps);

DeviceKind kindOfNumber(dev_t number, const std::string& sysfs, int steps) {
    std::error_code error;
    const fs::path device =
        fs::canonical(fs::path(sysfs) / "dev/block" /
                          (std::to_string(major(number)) + ":" + std::to_string(minor(number))),
                      error);
    return error ? DeviceKind::Unknown : kindAt(device, sysfs, steps);
}

// The disk itself: its name and its queue.
DeviceKind diskKind(const fs::path& disk) {
    const std::string name = disk.filename().string();
    if (name.starts_with("zram") || name.starts_with("ram") || name.starts_with("pmem"))
        return DeviceKind::Memory;
    const std::string path = disk.string();
    if (name.starts_with("mmcblk") || name.starts_with("nvme") ||
        path.find("/usb") != std::string::npos)
        return DeviceKind::Flash;
    const std::string rotational = firstLine(disk / "queue/rotational");
    if (rotational == "0")
        return DeviceKind::Flash;
    return rotational == "1" ? DeviceKind::Rotational : DeviceKind::Unknown;
}

DeviceKind kindAt(const fs::path& device, const std::string& sysfs, int steps) {
    if (steps > MostSteps)
        return DeviceKind::Unknown;
    std::error_code error;
    // A partition lies in its disk's folder.
    if (fs::exists(device / "partition", error))
        return kindAt(device.parent_path(), sysfs, steps + 1);
    if (const std::string backing = firstLine(device / "loop/backing_file"); !backing.empty()) {
        struct stat status {};
        if (::stat(backing.c_str(), &status) != 0)
            return DeviceKind::Unknown;
        return kindOfNumber(status.st_dev, sysfs, steps + 1);
    }
    DeviceKind below = DeviceKind::Unknown;
    bool anyBelow = false;
    for (const fs::directory_entry& slave : fs::directory_iterator(device / "slaves", error)) {
        anyBelow = true;
        below = worse(below, kindAt(fs::canonical(slave.path(), error), sysfs, steps + 1));
    }
    return anyBelow ? below : diskKind(device);
}

} // namespace

DeviceKind deviceKindOf(dev_t device, const std::string& sysfs) {
    return kindOfNumber(device, sysfs, 0);
}

} // namespace wypelark
