// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileOperations.h"

namespace wypelark {

// Passes every operation on to another FileOperations. Decorators derive from it and override
// what they change, so that none can drop an operation by forgetting it: what they do not
// override still reaches the disk beneath.
class ForwardingFileOperations : public FileOperations {
public:
    explicit ForwardingFileOperations(FileOperations& inner) : mInner(inner) {}

    OpenResult open(const std::string& path, const FileIdentity& identity) override;
    RemoveResult remove(const std::string& path, const FileIdentity& identity) override;
    std::vector<Leftover> sweepLeftovers(const std::string& path,
                                         const FileIdentity& identity) override;
    std::error_code syncFolderOf(const std::string& path, const FileIdentity& identity) override;
    RemoveResult removeFolder(const std::string& path, const FileIdentity& identity) override;
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

protected:
    FileOperations& inner() const { return mInner; }

private:
    FileOperations& mInner;
};

} // namespace wypelark
