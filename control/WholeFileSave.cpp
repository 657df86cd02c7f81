// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WholeFileSave.h"

#include "engine/UniqueFd.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace wypelark {
namespace {

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int writeAll(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Writes and flushes the new file; its name goes again on any failure.
int writeNew(std::string& temporary, const QByteArray& bytes) {
    UniqueFd fd(::mkstemp(temporary.data()));
    if (!fd.valid())
        return errno;
    int error = ::fchmod(fd.get(), 0644) != 0 ? errno : 0;
    if (error == 0)
        error = writeAll(fd.get(), bytes);
    if (error == 0 && ::fsync(fd.get()) != 0)
        error = errno;
    if (const std::error_code closed = fd.close(); error == 0 && closed)
        error = closed.value();
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace

QString saveWhole(const QString& path, const QByteArray& bytes) {
    const std::string target = QFile::encodeName(path).toStdString();
    const std::string folder = folderOf(target);
    std::string temporary = folder + "/.wypelark-record-XXXXXX";
    if (const int error = writeNew(temporary, bytes))
        return reason(error);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return reason(error);
    }
    // The new name is made durable with its folder.
    const UniqueFd directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.valid() || ::fsync(directory.get()) != 0)
        return reason(errno);
    return {};
}

} // namespace wypelark
