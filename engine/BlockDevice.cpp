// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/BlockDevice.h"

#include <cstdio>
#include <cstdlib>
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

// The name the kernel gives the device's node, from its uevent.
std::string nodeName(const fs::path& device) {
    std::ifstream in(device / "uevent");
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("DEVNAME="))
            return line.substr(8);
    return {};
}

// "MAJ:MIN" as a device number.
dev_t numberIn(const std::string& text) {
    unsigned int high = 0;
    unsigned int low = 0;
    return std::sscanf(text.c_str(), "%u:%u", &high, &low) == 2 ? makedev(high, low) : 0;
}

} // namespace

std::vector<DeviceNode> deviceNodesOf(dev_t device, const std::string& sysfs,
                                      const std::string& devfs) {
    std::error_code error;
    const fs::path folder =
        fs::canonical(fs::path(sysfs) / "dev/block" /
                          (std::to_string(major(device)) + ":" + std::to_string(minor(device))),
                      error);
    std::vector<DeviceNode> nodes;
    if (error)
        return nodes;
    if (const std::string name = nodeName(folder); !name.empty())
        nodes.push_back({devfs + "/" + name, device, 0});
    if (!fs::exists(folder / "partition", error))
        return nodes;
    const fs::path disk = folder.parent_path();
    const std::string diskName = nodeName(disk);
    const dev_t diskNumber = numberIn(firstLine(disk / "dev"));
    constexpr std::uint64_t Sector = 512; // sysfs counts a partition's start in these, always
    const std::uint64_t start = std::strtoull(firstLine(folder / "start").c_str(), nullptr, 10);
    if (!diskName.empty() && diskNumber != 0)
        nodes.push_back({devfs + "/" + diskName, diskNumber, start * Sector});
    return nodes;
}

DeviceKind deviceKindOf(dev_t device, const std::string& sysfs) {
    return kindOfNumber(device, sysfs, 0);
}

} // namespace wypelark
