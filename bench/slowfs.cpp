// SPDX-License-Identifier: LicenseRef-proprietary
// A file system that does not answer: its root lists one file, "f", but only after a delay,
// and every look at anything in it waits as long. It stands for a network share gone away or a
// FUSE file system that hangs, for measuring what the window does meanwhile.
// usage: slowfs DELAY_SECONDS MOUNTPOINT [FUSE OPTIONS]; stays in the foreground
#define FUSE_USE_VERSION 31
#include <fuse.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

unsigned delaySeconds = 30;

int slowGetattr(const char* path, struct stat* st, fuse_file_info*) {
    std::memset(st, 0, sizeof *st);
    // The root answers at once, so that the mount itself is made.
    if (std::strcmp(path, "/") == 0) {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2;
        return 0;
    }
    ::sleep(delaySeconds);
    if (std::strcmp(path, "/f") != 0)
        return -ENOENT;
    st->st_mode = S_IFREG | 0644;
    st->st_nlink = 1;
    return 0;
}

int slowReaddir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
                fuse_readdir_flags) {
    if (std::strcmp(path, "/") != 0)
        return -ENOENT;
    ::sleep(delaySeconds);
    fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags{});
    fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags{});
    fill(buffer, "f", nullptr, 0, fuse_fill_dir_flags{});
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3)
        return 2;
    delaySeconds = static_cast<unsigned>(std::atoi(argv[1]));
    fuse_operations operations{};
    operations.getattr = slowGetattr;
    operations.readdir = slowReaddir;
    // The program's name, "-f" to stay in the foreground where the starter can end it, the
    // mount point and any options.
    std::vector<std::string> words{argv[0], "-f", argv[2]};
    for (int i = 3; i < argc; ++i)
        words.emplace_back(argv[i]);
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    return fuse_main(static_cast<int>(args.size()), args.data(), &operations, nullptr);
}
