// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/ForwardingFileOperations.h"

namespace wypelark {

class DeviceWaiter;

// Passes every file operation on to another FileOperations, and lets a waiter run each one that
// can wait on the device: open, length, describe, flush, close, delete, and the writes that also
// wait for the write-back of earlier ones. Writes that only copy into the page cache are made on
// the calling thread, where a hand-off would cost more than the write.
class WaitingFileOperations final : public ForwardingFileOperations {
public:
    WaitingFileOperations(FileOperations& inner, DeviceWaiter& waiter);

    OpenResult open(const std::string& path, const FileIdentity& identity) override;
    RemoveResult remove(const std::string& path, const FileIdentity& identity) override;
    RemoveResult removeFolder(const std::string& path, const FileIdentity& identity) override;
    std::vector<Leftover> sweepLeftovers(const std::string& path,
                                         const FileIdentity& identity) override;
    std::error_code syncFolderOf(const std::string& path, const FileIdentity& identity) override;
    std::error_code checkBeforeRemove(const std::string& path,
                                      const FileIdentity& identity) override;
    std::error_code readBack(const std::string& path, const FileIdentity& identity,
                             const ReadChunk& chunk, bool& bypassedCache) override;

    std::error_code measureVolume(const std::string& folder, VolumeSpace& space) override;
    OpenResult openFill(const std::string& folder, const NodeIdentity& identity) override;
    std::error_code trimFreeSpace(const std::string& folder, const NodeIdentity& identity,
                                  std::uint64_t& trimmed) override;
    std::error_code mapExtents(const std::string& path, const FileIdentity& identity,
                               FileExtents& extents) override;
    std::error_code readDevice(dev_t device, std::uint64_t offset, std::uint64_t length,
                               const ReadDeviceChunk& chunk) override;

private:
    OpenResult waitingFile(OpenResult opened);

    DeviceWaiter& mWaiter;
};

} // namespace wypelark
