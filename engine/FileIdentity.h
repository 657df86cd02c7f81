#pragma once

#include <cstdint>
#include <string>
#include <system_error>

struct stat;

namespace wypelark {

// Which file a list item means: the device and inode of the file, and of the folder it was found
// in, taken when it entered the list. The run opens and deletes a name only while it still names
// this same file in this same folder.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t folderDevice = 0;
    std::uint64_t folderInode = 0;

    bool known() const { return inode != 0; }
    bool operator==(const FileIdentity&) const = default;
};

// The identity of a file and the folder it was found in, from their stat(2) data.
FileIdentity identityOf(const struct stat& file, const struct stat& folder);

// Why a file of this st_mode is not one to overwrite: a symbolic link, or anything else that is
// not a regular file; nothing for a regular file.
std::error_code refuseUnlessRegular(unsigned mode);

// A path cut at its last "/": the folder ("/" for the root, "." for a bare name) and the name.
struct PathParts {
    std::string folder;
    std::string name;
};
PathParts splitPath(const std::string& path);

// Takes the identity and the length of the regular file at path. A final symbolic link is
// refused; the folders on the way are followed, so a folder reached through a link (a linked
// home, say) is that folder. Files on the kernel's own file systems are refused too.
std::error_code identifyFile(const std::string& path, FileIdentity& identity, std::int64_t& size);

} // namespace wypelark
