// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/TrashScan.h"

#include "engine/FileIdentity.h"
#include "engine/UniqueFd.h"
#include "engine/WipeError.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace wypelark {
namespace {

constexpr qsizetype LongestRecord = qsizetype{64} * 1024;
const QByteArray RecordSuffix = QByteArrayLiteral(".trashinfo");

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// The names in a folder, sorted by their bytes; none when it cannot be read. The folder is
// opened without following a link.
std::vector<QByteArray> namesIn(const QByteArray& folder) {
    const UniqueFd fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    std::vector<std::string> found;
    if (!fd.valid() || namesInFolder(fd.get(), found))
        return {};
    std::vector<QByteArray> names;
    names.reserve(found.size());
    for (const std::string& name : found)
        names.push_back(QByteArray::fromStdString(name));
    std::sort(names.begin(), names.end());
    return names;
}

// A record's bytes, read from a regular file opened without following a link.
QByteArray readRecord(const QByteArray& path) {
    const UniqueFd fd(
        ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    QByteArray bytes(LongestRecord, Qt::Uninitialized);
    const ssize_t got = ::read(fd.get(), bytes.data(), static_cast<std::size_t>(bytes.size()));
    bytes.truncate(std::max<ssize_t>(got, 0));
    return bytes;
}

bool isRegularFile(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool exists(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 || errno != ENOENT;
}

// Why a folder is not a trash can of the user's, or nothing. Missing is said as ENOENT.
std::error_code refusedCan(const QByteArray& path, uid_t user, struct stat& info) {
    if (::lstat(path.constData(), &info) != 0)
        return lastError();
    if (S_ISLNK(info.st_mode))
        return WipeErrc::SymbolicLink;
    if (!S_ISDIR(info.st_mode))
        return std::make_error_code(std::errc::not_a_directory);
    if (info.st_uid != user)
        return WipeErrc::OwnedByAnother;
    return {};
}

class Scan {
public:
    explicit Scan(uid_t user) : mUser(user) {}

    void can(const QByteArray& path, const QByteArray& topFolder) {
        struct stat info {};
        if (const std::error_code refused = refusedCan(path, mUser, info)) {
            if (refused != std::errc::no_such_file_or_directory)
                mContents.refused.push_back({path, refused});
            return;
        }
        // A volume mounted twice shows the same can twice.
        if (!mSeen.insert({info.st_dev, info.st_ino}).second)
            return;
        mContents.cans.push_back(path);
        const QByteArray files = path + "/files/";
        const QByteArray records = path + "/info/";
        for (const QByteArray& name : namesIn(path + "/files")) {
            TrashEntry entry{files + name, records + name + RecordSuffix, {}};
            if (isRegularFile(entry.record))
                entry.originalPath = recordedOriginalPath(readRecord(entry.record), topFolder);
            else
                entry.record.clear();
            mContents.entries.push_back(std::move(entry));
        }
        for (const QByteArray& name : namesIn(path + "/info")) {
            if (!name.endsWith(RecordSuffix))
                continue;
            const QByteArray record = records + name;
            const QByteArray file = files + name.chopped(RecordSuffix.size());
            if (isRegularFile(record) && !exists(file))
                mContents.strayRecords.push_back({file, record, {}});
        }
        if (isRegularFile(path + "/directorysizes"))
            mContents.sizeCaches.push_back(path + "/directorysizes");
    }

    // $top/.Trash/$uid, only below a sticky .Trash that is no link; then $top/.Trash-$uid.
    void volume(const QByteArray& top) {
        const QByteArray base = top == "/" ? QByteArray() : top;
        const QByteArray shared = base + "/.Trash";
        struct stat info {};
        if (::lstat(shared.constData(), &info) == 0) {
            if (S_ISLNK(info.st_mode))
                mContents.refused.push_back({shared, WipeErrc::SymbolicLink});
            else if (!S_ISDIR(info.st_mode) || (info.st_mode & S_ISVTX) == 0)
                mContents.refused.push_back({shared, WipeErrc::UnsafeTrash});
            else
                can(shared + '/' + QByteArray::number(mUser), top);
        }
        can(base + "/.Trash-" + QByteArray::number(mUser), top);
    }

    TrashContents take() { return std::move(mContents); }

private:
    uid_t mUser;
    TrashContents mContents;
    std::set<std::pair<dev_t, ino_t>> mSeen;
};

// Whether the open folder holds nothing but empty folders, on its own device.
bool onlyEmptyFolders(int folderFd, dev_t device) {
    std::vector<std::string> names;
    if (namesInFolder(folderFd, names))
        return false;
    for (const std::string& name : names) {
        struct stat info {};
        const UniqueFd child(
            ::openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!child.valid() || ::fstat(child.get(), &info) != 0 || info.st_dev != device ||
            !onlyEmptyFolders(child.get(), device))
            return false;
    }
    return true;
}

} // namespace

TrashContents scanTrash(const TrashPlaces& places) {
    Scan scan(places.user);
    if (!places.homeTrash.isEmpty())
        scan.can(places.homeTrash, {});
    for (const QByteArray& top : places.topFolders)
        scan.volume(top);
    TrashContents contents = scan.take();
    contents.notReached = places.notMounted;
    return contents;
}

QByteArray homeTrashCan() {
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.startsWith('/'))
        return dataHome + "/Trash";
    const QByteArray home = qgetenv("HOME");
    return home.startsWith('/') ? home + "/.local/share/Trash" : QByteArray();
}

bool trashEntryEmptied(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(info.st_mode))
        return false;
    const UniqueFd fd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return fd.valid() && ::fstat(fd.get(), &info) == 0 && onlyEmptyFolders(fd.get(), info.st_dev);
}

QByteArray recordedOriginalPath(const QByteArray& record, const QByteArray& topFolder) {
    const QList<QByteArray> lines = record.split('\n');
    bool inGroup = false;
    for (const QByteArray& line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('['))
            inGroup = trimmed == "[Trash Info]";
        else if (inGroup && trimmed.startsWith("Path=")) {
            QByteArray path = QByteArray::fromPercentEncoding(trimmed.mid(5));
            if (path.startsWith('/'))
                return path;
            if (path.isEmpty() || topFolder.isEmpty())
                return {};
            return (topFolder == "/" ? QByteArray() : topFolder) + '/' + path;
        }
    }
    return {};
}

} // namespace wypelark
