// SPDX-License-Identifier: LicenseRef-proprietary
#include "settings/RegistryFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace wypelark {
namespace {

// Larger than any file this program writes: such a file is not ours to parse.
constexpr qint64 MaxFileSize = qint64{1} << 20;

constexpr char Header[] =
    "# Wypelark settings. One line per key or value: key path, value name, type code and the\n"
    "# value's bytes, separated by tabs; \\\\, \\t, \\n, \\r and \\xHH stand for bytes.\n";

// One line of the file. Lines that are not understood are kept as they were.
struct Line {
    QByteArray raw;
    bool understood = false;
    QString key;
    std::optional<QString> name; // none for a line that only declares a key
    std::uint32_t type = 0;
    QByteArray data;
};

QByteArray escape(const QByteArray& bytes) {
    QByteArray out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (u < 0x20 || u == 0x7f)
            out += "\\x" + QByteArray::number(u, 16).rightJustified(2, '0');
        else
            out += c;
    }
    return out;
}

std::optional<QByteArray> unescape(const QByteArray& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 'x': {
            const QByteArray hex = text.mid(i + 1, 2);
            bool ok = false;
            const int value = hex.toInt(&ok, 16);
            if (hex.size() != 2 || !ok)
                return std::nullopt;
            out += static_cast<char>(value);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

Line parseLine(const QByteArray& raw) {
    Line line;
    line.raw = raw;
    const QList<QByteArray> fields = raw.split('\t');
    if (fields.size() != 1 && fields.size() != 4)
        return line;
    const std::optional<QByteArray> key = unescape(fields[0]);
    if (!key)
        return line;
    line.key = QString::fromUtf8(*key);
    if (fields.size() == 4) {
        const std::optional<QByteArray> name = unescape(fields[1]);
        const std::optional<QByteArray> data = unescape(fields[3]);
        bool typeOk = false;
        line.type = fields[2].toUInt(&typeOk);
        if (!name || !data || !typeOk)
            return line;
        line.name = QString::fromUtf8(*name);
        line.data = *data;
    }
    line.understood = true;
    return line;
}

QByteArray formatLine(const Line& line) {
    if (!line.understood)
        return line.raw;
    QByteArray out = escape(line.key.toUtf8());
    if (line.name)
        out += '\t' + escape(line.name->toUtf8()) + '\t' + QByteArray::number(line.type) + '\t' +
               escape(line.data);
    return out;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool keyExists(const std::vector<Line>& lines, const QString& path) {
    const QString prefix = path + QLatin1Char('\\');
    return path.isEmpty() || std::any_of(lines.begin(), lines.end(), [&](const Line& line) {
               return line.understood && (sameName(line.key, path) ||
                                          line.key.startsWith(prefix, Qt::CaseInsensitive));
           });
}

// What the settings file holds. A file that is not a regular file, or is larger than any this
// program writes, is garbled: it reads as no values, and the next save puts it aside.
struct Content {
    std::vector<Line> lines;
    bool garbled = false;
};

Content readContent(const QString& filePath) {
    Content content;
    // Opened without blocking, so that a FIFO in its place cannot hang the start.
    const int fd = ::open(QFile::encodeName(filePath).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        content.garbled = errno != ENOENT;
        return content;
    }
    QFile file;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > MaxFileSize ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (!file.isOpen())
            ::close(fd);
        content.garbled = true;
        return content;
    }
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize) {
        content.garbled = true;
        return content;
    }
    // Comments are written afresh with every change; other lines not understood are kept.
    for (const QByteArray& raw : bytes.split('\n')) {
        if (!raw.isEmpty() && !raw.startsWith('#'))
            content.lines.push_back(parseLine(raw));
    }
    return content;
}

std::vector<Line> readLines(const QString& filePath) {
    return readContent(filePath).lines;
}

bool writeLines(const QString& filePath, const std::vector<Line>& lines) {
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray content = Header;
    for (const Line& line : lines)
        content += formatLine(line) + '\n';
    return file.write(content) == content.size() && file.commit();
}

// Whether this user may write in the settings folder: the folder, or the nearest folder above it
// that exists, is the user's own. Root running with another user's home writes nothing there.
bool folderIsOurs(const QString& folder) {
    QString existing = folder;
    struct stat status {};
    while (::stat(QFile::encodeName(existing).constData(), &status) != 0) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return false;
        existing = parent;
    }
    return status.st_uid == ::geteuid();
}

// Removes what a save killed half-way left behind: QSaveFile's temporary files, once they are
// old enough that no save can still be writing them.
void removeStaleTemporaries(const QString& filePath) {
    const QFileInfo settings(filePath);
    const QDir folder = settings.absoluteDir();
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList leftovers =
        folder.entryInfoList({settings.fileName() + QStringLiteral(".??????")},
                             QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& leftover : leftovers) {
        if (leftover.lastModified().toUTC() < oldest)
            QFile::remove(leftover.absoluteFilePath());
    }
}

// Runs a change on the file's lines under the lock file and replaces the file atomically. A
// garbled file is put aside first, and the change starts a fresh one. The lock is waited for
// briefly: a stopped instance that holds it must not hold up a save for long.
template <typename Change> bool changeFile(const QString& filePath, Change change) {
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!folderIsOurs(folder) || !QDir().mkpath(folder))
        return false;
    QLockFile lock(filePath + QStringLiteral(".lock"));
    lock.setStaleLockTime(30000);
    if (!lock.tryLock(100))
        return false;
    removeStaleTemporaries(filePath);
    Content content = readContent(filePath);
    if (content.garbled) {
        const QString aside = filePath + QStringLiteral(".bad");
        QFile::remove(aside);
        if (!QFile::rename(filePath, aside))
            return false;
    }
    if (!change(content.lines) && !content.garbled)
        return true;
    return writeLines(filePath, content.lines);
}

void setValueLine(std::vector<Line>& lines, const QString& key, const QString& name,
                  std::uint32_t type, const QByteArray& data) {
    for (Line& line : lines) {
        if (line.understood && line.name && sameName(line.key, key) && sameName(*line.name, name)) {
            line.type = type;
            line.data = data;
            return;
        }
    }
    // A new value goes under the key's first spelling.
    const auto spelled = std::find_if(lines.begin(), lines.end(), [&](const Line& line) {
        return line.understood && sameName(line.key, key);
    });
    Line line;
    line.understood = true;
    line.key = spelled != lines.end() ? spelled->key : key;
    line.name = name;
    line.type = type;
    line.data = data;
    lines.push_back(line);
}

QString defaultFilePath() {
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // With neither XDG_CONFIG_HOME nor HOME set, the home folder is the password database's.
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME")) {
        if (const passwd* user = ::getpwuid(::geteuid()); user && user->pw_dir)
            config = QFile::decodeName(user->pw_dir) + QStringLiteral("/.config");
    }
    return config + QStringLiteral("/Wypelark/settings.conf");
}

} // namespace

RegistryFile::RegistryFile() : mFilePath(defaultFilePath()) {}

RegistryFile::RegistryFile(QString filePath) : mFilePath(std::move(filePath)) {}

RegistryFile::Key RegistryFile::openKey(std::uint32_t hive, const QString& subKey) const {
    if (hive != CurrentUser || !keyExists(readLines(mFilePath), subKey))
        return {};
    return {subKey, true};
}

long RegistryFile::queryValue(const Key& key, const QString& name, std::uint32_t& type, char* data,
                              std::uint32_t& size) const {
    if (!key.valid)
        return InvalidHandle;
    for (const Line& line : readLines(mFilePath)) {
        if (!line.understood || !line.name || !sameName(line.key, key.path) ||
            !sameName(*line.name, name))
            continue;
        type = line.type;
        const auto length = static_cast<std::uint32_t>(line.data.size());
        if (data == nullptr) {
            size = length;
            return Success;
        }
        const std::uint32_t copied = std::min(size, length);
        std::copy_n(line.data.constData(), copied, data);
        const bool fits = size >= length;
        size = fits ? length : size;
        return fits ? Success : MoreData;
    }
    return NotFound;
}

void RegistryFile::closeKey(Key& key) const {
    key = {};
}

RegistryFile::Key RegistryFile::createKey(std::uint32_t hive, const QString& subKey) {
    if (hive != CurrentUser)
        return {};
    if (keyExists(readLines(mFilePath), subKey))
        return {subKey, true};
    changeFile(mFilePath, [&](std::vector<Line>& lines) {
        if (keyExists(lines, subKey))
            return false;
        Line line;
        line.understood = true;
        line.key = subKey;
        lines.push_back(line);
        return true;
    });
    // A key that could not be written yet is created with its first value.
    return {subKey, true};
}

long RegistryFile::setValue(const Key& key, const QString& name, std::uint32_t type,
                            const QByteArray& data) {
    if (!key.valid)
        return InvalidHandle;
    const auto same = [&](const PendingValue& pending) {
        return sameName(pending.key, key.path) && sameName(pending.name, name);
    };
    mPending.erase(std::remove_if(mPending.begin(), mPending.end(), same), mPending.end());
    mPending.push_back({key.path, name, type, data});
    return savePending() ? Success : WriteFault;
}

RegistryFile::~RegistryFile() {
    if (!mPending.empty())
        savePending();
}

// Writes the values not yet saved, the latest included; those that cannot be written now stay
// for the next chance.
bool RegistryFile::savePending() {
    const bool stored = changeFile(mFilePath, [this](std::vector<Line>& lines) {
        for (const PendingValue& pending : mPending)
            setValueLine(lines, pending.key, pending.name, pending.type, pending.data);
        return true;
    });
    if (stored)
        mPending.clear();
    return stored;
}

} // namespace wypelark
