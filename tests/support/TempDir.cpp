// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/TempDir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    NodeLook look;
    const int folder = ::open(splitPath(path).folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0 && !lookAtNode(folder, "", look))
        identity.folder = look.node;
    if (folder >= 0)
        ::close(folder);
    if (!lookAtNode(AT_FDCWD, path.c_str(), look))
        identity.file = look.node;
    return identity;
}

} // namespace wypelark::testing
