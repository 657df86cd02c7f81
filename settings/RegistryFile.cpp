#include "settings/RegistryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <vector>

namespace wypelark {
namespace {

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

std::vector<Line> readLines(const QString& filePath) {
    std::vector<Line> lines;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    const QByteArray content = file.readAll();
    // Comments are written afresh with every change; other lines not understood are kept.
    for (const QByteArray& raw : content.split('\n')) {
        if (!raw.isEmpty() && !raw.startsWith('#'))
            lines.push_back(parseLine(raw));
    }
    return lines;
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

// Runs a change on the file's lines under the lock file and replaces the file atomically.
template <typename Change> bool changeFile(const QString& filePath, Change change) {
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        return false;
    QLockFile lock(filePath + QStringLiteral(".lock"));
    lock.setStaleLockTime(30000);
    if (!lock.tryLock(5000))
        return false;
    std::vector<Line> lines = readLines(filePath);
    if (!change(lines))
        return true;
    return writeLines(filePath, lines);
}

QString defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Wypelark/settings.conf");
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
    const bool stored = changeFile(mFilePath, [&](std::vector<Line>& lines) {
        if (keyExists(lines, subKey))
            return false;
        Line line;
        line.understood = true;
        line.key = subKey;
        lines.push_back(line);
        return true;
    });
    if (!stored)
        return {};
    return {subKey, true};
}

long RegistryFile::setValue(const Key& key, const QString& name, std::uint32_t type,
                            const QByteArray& data) {
    if (!key.valid)
        return InvalidHandle;
    const bool stored = changeFile(mFilePath, [&](std::vector<Line>& lines) {
        for (Line& line : lines) {
            if (line.understood && line.name && sameName(line.key, key.path) &&
                sameName(*line.name, name)) {
                line.type = type;
                line.data = data;
                return true;
            }
        }
        // A new value goes under the key's first spelling.
        const auto spelled = std::find_if(lines.begin(), lines.end(), [&](const Line& line) {
            return line.understood && sameName(line.key, key.path);
        });
        Line line;
        line.understood = true;
        line.key = spelled != lines.end() ? spelled->key : key.path;
        line.name = name;
        line.type = type;
        line.data = data;
        lines.push_back(line);
        return true;
    });
    return stored ? Success : WriteFault;
}

} // namespace wypelark
