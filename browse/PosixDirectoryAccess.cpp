// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/PosixDirectoryAccess.h"

#include "browse/MountInfo.h"
#include "engine/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <ctime>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace wypelark {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

bool isFolderEntry(const QByteArray& folder, const dirent& entry) {
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    // A link to a folder is browsed as a folder; a dangling link is a file entry.
    const std::string path = joinPath(folder.toStdString(), entry.d_name);
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

const QSet<QByteArray>& pseudoFileSystems() {
    static const QSet<QByteArray> types{
        "proc",       "sysfs",   "cgroup",    "cgroup2",    "devpts",      "devtmpfs",
        "mqueue",     "debugfs", "tracefs",   "securityfs", "pstore",      "bpf",
        "configfs",   "fusectl", "hugetlbfs", "autofs",     "binfmt_misc", "efivarfs",
        "rpc_pipefs", "nsfs",    "ramfs",     "selinuxfs",  "squashfs"};
    return types;
}

bool isSystemMountPoint(const QByteArray& mountPoint) {
    for (const char* prefix : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot/efi"}) {
        const QByteArray p(prefix);
        if (mountPoint == p || mountPoint.startsWith(p + '/'))
            return !mountPoint.startsWith("/run/media/");
    }
    return false;
}

QString labelOf(const QByteArray& source) {
    QDir byLabel(QStringLiteral("/dev/disk/by-label"));
    QString device = QFile::decodeName(source);
    for (const QString& label : byLabel.entryList(QDir::System | QDir::Files)) {
        if (QFileInfo(byLabel.filePath(label)).canonicalFilePath() == device)
            return label;
    }
    return device;
}

// Hands over the entries read since the last time, every few dozen milliseconds, while a long
// listing goes on: the first names of a million are shown at once, not after the last.
class EarlyHandOver {
public:
    explicit EarlyHandOver(const EarlyEntries& early)
        : mEarly(early), mLast(std::chrono::steady_clock::now()) {}

    void offer(const std::vector<DirectoryEntry>& entries) {
        // The clock is read every so many entries only.
        constexpr std::size_t Every = 64;
        constexpr std::chrono::milliseconds Interval{40};
        if (!mEarly || entries.size() % Every != 0)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - mLast < Interval)
            return;
        const auto from = entries.begin() + static_cast<std::ptrdiff_t>(mHanded);
        mEarly(std::vector<DirectoryEntry>(from, entries.end()));
        mHanded = entries.size();
        mLast = now;
    }

private:
    const EarlyEntries& mEarly;
    std::chrono::steady_clock::time_point mLast;
    std::size_t mHanded = 0;
};

} // namespace

QByteArray normalizedFolder(const QByteArray& path) {
    QByteArray folder = path;
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    return folder.isEmpty() ? QByteArray("/") : folder;
}

bool isDeviceNotReady(std::error_code error) {
    if (error.category() != std::system_category() && error.category() != std::generic_category())
        return false;
    switch (error.value()) {
    case ENOMEDIUM:
    case ENODEV:
    case ENXIO:
    case EIO:
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
        return true;
    default:
        return false;
    }
}

PartedNames partedNames(std::vector<DirectoryEntry> entries) {
    PartedNames parts;
    parts.files.reserve(static_cast<qsizetype>(entries.size()));
    for (DirectoryEntry& entry : entries)
        (entry.isFolder ? parts.folders : parts.files).push_back(std::move(entry.name));
    return parts;
}

std::int64_t settledChangeStamp(int folder) {
    struct stat looked {};
    timespec now{};
    if (::fstat(folder, &looked) != 0 || ::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return 0;
    // Entries made within the clock's tick after this look leave the same time behind.
    constexpr std::int64_t Settled = 2;
    if (now.tv_sec - looked.st_ctim.tv_sec < Settled)
        return 0;
    return std::int64_t{looked.st_ctim.tv_sec} * 1'000'000'000 + looked.st_ctim.tv_nsec;
}

DirectoryListing PosixDirectoryAccess::list(const QByteArray& folder,
                                            const EarlyEntries& early) const {
    DirectoryListing listing;
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.constData()));
    if (!dir) {
        listing.error = {errno, std::system_category()};
        return listing;
    }
    listing.changeStamp = settledChangeStamp(::dirfd(dir.get()));
    EarlyHandOver handOver(early);
    errno = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            listing.entries.push_back({name, isFolderEntry(folder, *entry)});
            handOver.offer(listing.entries);
        }
        errno = 0;
    }
    if (errno != 0)
        listing.error = {errno, std::system_category()};
    return listing;
}

std::vector<Volume> parseMountInfo(const QByteArray& mountInfo) {
    std::vector<Volume> volumes;
    for (const MountInfoEntry& entry : parseMountInfoEntries(mountInfo)) {
        if (pseudoFileSystems().contains(entry.type) || isSystemMountPoint(entry.mountPoint))
            continue;
        if (entry.type == "tmpfs" && entry.mountPoint != "/tmp")
            continue;
        std::erase_if(volumes, [&](const Volume& v) { return v.mountPoint == entry.mountPoint; });
        volumes.push_back({entry.mountPoint, QFile::decodeName(entry.source)});
    }
    return volumes;
}

std::vector<Volume> PosixDirectoryAccess::volumes() const {
    std::vector<Volume> found = parseMountInfo(readMountInfo());
    std::erase_if(found, [](const Volume& v) {
        struct stat status {};
        return ::stat(v.mountPoint.constData(), &status) != 0 || !S_ISDIR(status.st_mode);
    });
    for (Volume& volume : found) {
        if (volume.label.startsWith(QStringLiteral("/dev/")))
            volume.label = labelOf(QFile::encodeName(volume.label));
    }
    if (found.empty())
        found.push_back({"/", QStringLiteral("/")});
    return found;
}

QByteArray PosixDirectoryAccess::currentFolder() const {
    std::unique_ptr<char, decltype(&::free)> cwd(::getcwd(nullptr, 0), &::free);
    return cwd ? QByteArray(cwd.get()) : QByteArray("/");
}

QByteArray volumeHolding(const std::vector<Volume>& volumes, const QByteArray& folder) {
    QByteArray best = "/";
    for (const Volume& volume : volumes) {
        const QByteArray& mount = volume.mountPoint;
        const bool holds = folder == mount || mount == "/" ||
                           folder.startsWith(mount.endsWith('/') ? mount : mount + '/');
        if (holds && mount.size() >= best.size())
            best = mount;
    }
    return best;
}

} // namespace wypelark
