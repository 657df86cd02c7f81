// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/ForwardingFileOperations.h"

namespace wypelark {

OpenResult ForwardingFileOperations::open(const std::string& path, const FileIdentity& identity) {
    return mInner.open(path, identity);
}

RemoveResult ForwardingFileOperations::remove(const std::string& path,
                                              const FileIdentity& identity) {
    return mInner.remove(path, identity);
}

std::vector<Leftover> ForwardingFileOperations::sweepLeftovers(const std::string& path,
                                                               const FileIdentity& identity) {
    return mInner.sweepLeftovers(path, identity);
}

std::error_code ForwardingFileOperations::syncFolderOf(const std::string& path,
                                                       const FileIdentity& identity) {
    return mInner.syncFolderOf(path, identity);
}

RemoveResult ForwardingFileOperations::removeFolder(const std::string& path,
                                                    const FileIdentity& identity) {
    return mInner.removeFolder(path, identity);
}

std::error_code ForwardingFileOperations::checkBeforeRemove(const std::string& path,
                                                            const FileIdentity& identity) {
    return mInner.checkBeforeRemove(path, identity);
}

std::error_code ForwardingFileOperations::readBack(const std::string& path,
                                                   const FileIdentity& identity,
                                                   const ReadChunk& chunk, bool& bypassedCache) {
    return mInner.readBack(path, identity, chunk, bypassedCache);
}

std::error_code ForwardingFileOperations::measureVolume(const std::string& folder,
                                                        VolumeSpace& space) {
    return mInner.measureVolume(folder, space);
}

OpenResult ForwardingFileOperations::openFill(const std::string& folder,
                                              const NodeIdentity& identity) {
    return mInner.openFill(folder, identity);
}

std::error_code ForwardingFileOperations::mapExtents(const std::string& path,
                                                     const FileIdentity& identity,
                                                     FileExtents& extents) {
    return mInner.mapExtents(path, identity, extents);
}

std::error_code ForwardingFileOperations::trimFreeSpace(const std::string& folder,
                                                        const NodeIdentity& identity,
                                                        std::uint64_t& trimmed) {
    return mInner.trimFreeSpace(folder, identity, trimmed);
}

std::error_code ForwardingFileOperations::readDevice(dev_t device, std::uint64_t offset,
                                                     std::uint64_t length,
                                                     const ReadDeviceChunk& chunk) {
    return mInner.readDevice(device, offset, length, chunk);
}

} // namespace wypelark
