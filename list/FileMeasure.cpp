#include "list/FileMeasure.h"

#include "engine/WipeError.h"

#include <cerrno>
#include <sys/stat.h>

namespace wypelark {

FileMeasurement measureFile(const QByteArray& path) {
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return {0, {errno, std::system_category()}};
    if (S_ISLNK(status.st_mode))
        return {0, WipeErrc::SymbolicLink};
    if (!S_ISREG(status.st_mode))
        return {0, WipeErrc::NotRegularFile};
    return {static_cast<qint64>(status.st_size), {}};
}

} // namespace wypelark
