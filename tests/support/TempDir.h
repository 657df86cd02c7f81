// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace wypelark::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return mPath; }
    std::string file(const std::string& name) const { return (mPath / name).string(); }
    // Writes a file of the given length filled with one byte.
    std::string makeFile(const std::string& name, std::int64_t length, char fill = 'x') const;

private:
    std::filesystem::path mPath;
};

std::string readWhole(const std::string& path);

// The identity of whatever the path names now, file or not, as the list would have taken it; a
// missing file has its folder's identity only.
FileIdentity identityNow(const std::string& path);

} // namespace wypelark::testing
