// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <algorithm>
#include <fstream>
#include <string>
#include <unistd.h>

namespace wypelark {

// Writes a file of the given length and puts it on the device, so that no measured run waits
// for the write-back of its making.
inline void makeSyncedFile(const std::string& path, long long bytes) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string chunk(1 << 20, 'x');
        for (long long left = bytes; left > 0; left -= static_cast<long long>(chunk.size()))
            out.write(chunk.data(),
                      static_cast<std::streamsize>(std::min<long long>(left, chunk.size())));
    }
    ::sync();
}

} // namespace wypelark
