#include "tests/support/TempDir.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace wypelark::testing {

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "wypelark-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    mPath = buffer.data();
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
}

std::string TempDir::makeFile(const std::string& name, std::int64_t length, char fill) const {
    const std::string path = file(name);
    std::ofstream out(path, std::ios::binary);
    const std::string chunk(1 << 16, fill);
    for (std::int64_t left = length; left > 0;) {
        const auto n = static_cast<std::streamsize>(std::min<std::int64_t>(left, chunk.size()));
        out.write(chunk.data(), n);
        left -= n;
    }
    return path;
}

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

FileIdentity identityNow(const std::string& path) {
    FileIdentity identity;
    struct stat folder {};
    if (::stat(splitPath(path).folder.c_str(), &folder) == 0) {
        identity.folderDevice = static_cast<std::uint64_t>(folder.st_dev);
        identity.folderInode = static_cast<std::uint64_t>(folder.st_ino);
    }
    struct stat file {};
    if (::lstat(path.c_str(), &file) == 0) {
        identity.device = static_cast<std::uint64_t>(file.st_dev);
        identity.inode = static_cast<std::uint64_t>(file.st_ino);
    }
    return identity;
}

} // namespace wypelark::testing
