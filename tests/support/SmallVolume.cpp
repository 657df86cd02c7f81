// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/SmallVolume.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <utility>

namespace wypelark::testing {

SmallVolume::SmallVolume(std::string folder, const char* size) : mFolder(std::move(folder)) {
    const std::string options = std::string("size=") + size;
    mMounted = ::mount("tmpfs", mFolder.c_str(), "tmpfs", 0, options.c_str()) == 0;
    if (!mMounted)
        mWhy = std::string("cannot mount a small volume here: ") + std::strerror(errno);
}

SmallVolume::~SmallVolume() {
    if (mMounted)
        ::umount2(mFolder.c_str(), MNT_DETACH);
}

void SmallVolume::fill(const std::string& name) const {
    const std::string path = mFolder + "/" + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    const char one = 'f';
    while (::write(fd, &one, 1) > 0) {
    }
    ::close(fd);
}

} // namespace wypelark::testing
