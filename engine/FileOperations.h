// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/BlockDevice.h"
#include "engine/BlockEvidence.h"
#include "engine/FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace wypelark {

// Where an open file lies: what an overwrite in place can reach depends on it.
struct StorageFacts {
    std::uint64_t fileSystemType = 0;        // the f_type of statfs(2)
    std::uint64_t linkCount = 1;             // names the file has
    DeviceKind device = DeviceKind::Unknown; // what the file system lies on
};

// One file opened for overwriting. Closing happens in close(); destroying an open file
// closes it quietly.
class OpenFile {
public:
    virtual ~OpenFile() = default;

    virtual std::error_code length(std::int64_t& bytes) = 0;
    // Writes size bytes so that the first lands at the 0-based offset, as pwrite(2) counts.
    virtual std::error_code writeAt(std::int64_t offset, const char* data, std::size_t size) = 0;
    // Whether that write would also wait for the device to take in earlier writes, rather than
    // only copy into the page cache.
    virtual bool writeMayWait(std::int64_t /*offset*/, std::size_t /*size*/) const { return false; }
    // Puts everything written so far on the device.
    virtual std::error_code flushToDevice() = 0;
    virtual std::error_code close() = 0;
    // Looks at the file and its file system; reads and writes nothing of the file.
    virtual std::error_code describe(StorageFacts& facts) = 0;
    // Reads the whole file back in order, past the page cache where the file system allows it
    // (bypassedCache tells), handing each piece to chunk; chunk returns false to stop. Files
    // that cannot be read back say so.
    using ReadPiece = std::function<bool(std::int64_t offset, const char* data, std::size_t size)>;
    virtual std::error_code readBack(const ReadPiece& /*chunk*/, bool& /*bypassedCache*/) {
        return std::make_error_code(std::errc::operation_not_supported);
    }
};

// What a delete did. When another program's file, moved aside while the name was looked at,
// could not be put back because its name was taken again meanwhile, strandedAt says where it is.
struct RemoveResult {
    std::error_code error;
    std::string strandedAt;
};

// A file found under the private name a delete moves a file to, left by a run that was killed
// between that move and the delete. reason is empty when it held only the fill and was removed.
struct Leftover {
    std::string path;
    std::error_code reason;
};

// The free space of the volume a folder lies on, as a fill of it sees it.
struct VolumeSpace {
    std::uint64_t availableBytes = 0; // what an unprivileged process may take (f_bavail)
    std::uint64_t unusedBytes = 0;    // every free block, those kept for root included (f_bfree)
    std::uint32_t blockSize = 4096;   // the unit the free space is counted in (f_frsize)
    bool readOnly = false;
    StorageFacts storage;
    NodeIdentity folder; // the folder looked at
};

struct OpenResult {
    std::unique_ptr<OpenFile> file;
    std::error_code error;
};

// The disk as the overwrite run sees it. Decorators derive from ForwardingFileOperations.
class FileOperations {
public:
    virtual ~FileOperations() = default;

    // Opens an existing regular file for writing, only while path still names the file with that
    // identity; never creates one and never follows a final symbolic link.
    virtual OpenResult open(const std::string& path, const FileIdentity& identity) = 0;
    // Deletes the name, only while it still names the file with that identity.
    virtual RemoveResult remove(const std::string& path, const FileIdentity& identity) = 0;

    // Finds what earlier runs left under private names in the folder that holds path (while it is
    // still the folder of that identity), removes each that holds only the fill, and names all.
    virtual std::vector<Leftover> sweepLeftovers(const std::string& path,
                                                 const FileIdentity& identity) = 0;

    // Puts the deletes made in the folder that holds path on the device, only while that path
    // still leads to the folder of that identity.
    virtual std::error_code syncFolderOf(const std::string& path, const FileIdentity& identity) = 0;

    // Removes an empty folder, only while path still names the folder with that identity (its
    // own and its parent's); a folder that holds anything stays as it is.
    virtual RemoveResult removeFolder(const std::string& path, const FileIdentity& identity) = 0;

    // Looked at after a file's last pass, before it is deleted: an error leaves the file.
    virtual std::error_code checkBeforeRemove(const std::string& path,
                                              const FileIdentity& identity) = 0;

    // Looks at the free space of the volume that holds folder.
    virtual std::error_code measureVolume(const std::string& folder, VolumeSpace& space) = 0;
    // Opens a new file in folder, only while folder is still the node identified, that has no
    // name at any time another program could see it, or no longer has one when this returns:
    // its blocks go back to the free space when it is closed or the process ends, however it
    // ends. It fills the free space, and must never be found or left behind.
    virtual OpenResult openFill(const std::string& folder, const NodeIdentity& identity) = 0;
    // Discards the free blocks of the volume that holds folder, as fstrim does (FITRIM), only
    // while folder is still the node identified; trimmed is what the file system says it
    // discarded. Needs the right to administer the system, and a device that takes discards.
    virtual std::error_code trimFreeSpace(const std::string& folder, const NodeIdentity& identity,
                                          std::uint64_t& trimmed) = 0;

    // Reads the whole file back in order, past the page cache where the file system allows it
    // (bypassedCache tells), handing each piece to chunk; chunk returns false to stop.
    using ReadChunk = std::function<bool(std::int64_t offset, const char* data, std::size_t size)>;
    virtual std::error_code readBack(const std::string& path, const FileIdentity& identity,
                                     const ReadChunk& chunk, bool& bypassedCache) = 0;

    // Asks the file system where the file's data lies, only while path still names the file
    // with that identity; writes nothing. Where it cannot tell, the error comes back with the
    // file's device and file system filled in where they could be seen.
    virtual std::error_code mapExtents(const std::string& path, const FileIdentity& identity,
                                       FileExtents& extents) = 0;
    // Reads length bytes of a block device from offset, past the cache; never writes it.
    virtual std::error_code readDevice(dev_t device, std::uint64_t offset, std::uint64_t length,
                                       const ReadDeviceChunk& chunk) = 0;
};

} // namespace wypelark
