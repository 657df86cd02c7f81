// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <string>

namespace wypelark::testing {

// A small tmpfs mounted at an empty folder for as long as the object lives, so that a test can
// fill a volume to its last byte and watch a save fail part-way. Mounting needs root: where it
// fails, mounted() is false and why() says why, for the test to skip before it begins.
class SmallVolume {
public:
    SmallVolume(std::string folder, const char* size);
    ~SmallVolume();
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;

    bool mounted() const { return mMounted; }
    const std::string& why() const { return mWhy; }
    // A file named name that takes every byte left.
    void fill(const std::string& name = "filler") const;

private:
    std::string mFolder;
    bool mMounted = false;
    std::string mWhy;
};

} // namespace wypelark::testing
