// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"
#include "engine/SystemCalls.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace wypelark::testing {

// The kernel's calls, watched: every write, flush, delete and folder sync the real file
// operations make is recorded with the node it touched. A flush that never reaches the kernel,
// or a delete never made durable, shows here, where the file operations' own answers would
// still say success.
class WatchedSystemCalls {
public:
    // Called before a rename is made, with its folder and the name it moves: a test can put
    // another file there, as another program could between the last look and the rename.
    std::function<void(int folder, const char* from)> beforeRename;

    SystemCalls calls();

    // What is missing for the file, length bytes long when listed, to count as destroyed:
    // passes times its whole length written and then flushed, then its name deleted, then its
    // folder synced. Empty when nothing is.
    std::string missingForDestroyed(const FileIdentity& identity, std::int64_t length,
                                    int passes) const;

private:
    enum class Kind : std::uint8_t { Write, Flush, Delete, FolderSync };
    struct Event {
        Kind kind;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t start = 0; // a write's bytes
        std::int64_t end = 0;
    };

    void record(Kind kind, int fd, std::int64_t start = 0, std::int64_t end = 0);

    mutable std::mutex mMutex;
    std::vector<Event> mEvents;
};

} // namespace wypelark::testing
