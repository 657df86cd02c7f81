// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

namespace wypelark {

class UniqueFd;

// What tells a file from one made later in its place that got the same inode number (ext4 hands
// a freed number out again at once): its birth time where the file system keeps one, else its
// inode generation where the file system gives that, else nothing.
struct InodeStamp {
    enum class Kind : std::uint8_t { None, Birth, Generation };
    // The widest first: a million listed files hold two stamps each.
    std::int64_t value = 0;        // birth seconds, or the generation
    std::uint32_t nanoseconds = 0; // of the birth time
    Kind kind = Kind::None;

    bool operator==(const InodeStamp&) const = default;
};

// One file system node: device, inode and stamp.
struct NodeIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    InodeStamp stamp;

    bool operator==(const NodeIdentity&) const = default;
};

// Which file a list item means: the file and the folder it was found in, taken when it entered
// the list. The run opens and deletes a name only while it still names this same file in this
// same folder. A folder added as a folder is identified the same way, with its parent folder.
struct FileIdentity {
    NodeIdentity file;
    NodeIdentity folder;

    bool known() const { return file.inode != 0; }
    bool operator==(const FileIdentity&) const = default;
};

// What one look at a name shows (statx(2), a final symbolic link not followed).
struct NodeLook {
    unsigned mode = 0;
    std::int64_t size = 0;
    std::int64_t allocatedBytes = 0;
    std::uint64_t linkCount = 0;
    std::uint32_t owner = 0;
    std::uint64_t mountId = 0; // 0 where the kernel does not tell
    NodeIdentity node;
};

// Looks at name in the open folder; an empty name looks at the open descriptor itself. The stamp
// is taken too: a generation needs the node opened for reading, which is done for regular files
// and folders only.
std::error_code lookAtNode(int folder, const char* name, NodeLook& look);

// The names in a folder, "." and ".." left out, in the order the file system gives them. The
// folder may be an O_PATH descriptor: it is opened for reading by itself.
std::error_code namesInFolder(int folder, std::vector<std::string>& names);

// Opens name in the open folder without following a link, only while it is the node shown.
std::error_code openShownNode(int folder, const std::string& name, int flags, const NodeLook& shown,
                              UniqueFd& opened);

// Whether a look shows the node identified: same device and inode, and the same stamp where one
// was taken (a stamp that cannot be taken now does not match one that could).
bool isNode(const NodeLook& look, const NodeIdentity& identity);

// Why a file of this st_mode is not one to overwrite: a symbolic link, or anything else that is
// not a regular file; nothing for a regular file.
std::error_code refuseUnlessRegular(unsigned mode);

// A path cut at its last "/": the folder ("/" for the root, "." for a bare name) and the name.
struct PathParts {
    std::string folder;
    std::string name;
};
PathParts splitPath(const std::string& path);
// The path of a name in a folder: one "/" between them, none added after the root.
std::string joinPath(const std::string& folder, const std::string& name);

// Takes the identity and the length of the regular file at path. A final symbolic link is
// refused; the folders on the way are followed, so a folder reached through a link (a linked
// home, say) is that folder. Files on the kernel's own file systems are refused too.
std::error_code identifyFile(const std::string& path, FileIdentity& identity, std::int64_t& size);

} // namespace wypelark
