// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace wypelark {

// The per-user settings store: string and other values under key paths, kept in one text file
// under $XDG_CONFIG_HOME/Wypelark. Key paths and value names match without regard to case and
// keep the spelling they were first written with. Nothing is cached between calls: every
// operation reads the file (a regular file of at most 1 MiB; anything else reads as no values),
// and every change replaces it atomically under a lock file.
class RegistryFile {
public:
    static constexpr std::uint32_t CurrentUser = 0x80000001u;
    static constexpr std::uint32_t StringType = 1;
    static constexpr long Success = 0;
    static constexpr long NotFound = 2;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;
    static constexpr long WriteFault = 29;

    // An open key: 0 when no key could be opened.
    struct Key {
        QString path;
        bool valid = false;
    };

    // The store of the current user; the folder follows $XDG_CONFIG_HOME (default ~/.config).
    RegistryFile();
    explicit RegistryFile(QString filePath);
    // Saves what could not be saved yet, if it can.
    ~RegistryFile();
    RegistryFile(const RegistryFile&) = delete;
    RegistryFile& operator=(const RegistryFile&) = delete;

    QString filePath() const { return mFilePath; }

    Key openKey(std::uint32_t hive, const QString& subKey) const;
    // Gives the type and size of a value, and copies at most size bytes into data when given.
    long queryValue(const Key& key, const QString& name, std::uint32_t& type, char* data,
                    std::uint32_t& size) const;
    void closeKey(Key& key) const;
    // Opens the key, creating it and any missing levels above it.
    Key createKey(std::uint32_t hive, const QString& subKey);
    // A value that cannot be written now (another instance holds the lock) is kept, and written
    // with the next change or when the store goes.
    long setValue(const Key& key, const QString& name, std::uint32_t type, const QByteArray& data);

private:
    struct PendingValue {
        QString key;
        QString name;
        std::uint32_t type;
        QByteArray data;
    };

    bool savePending();

    QString mFilePath;
    std::vector<PendingValue> mPending;
};

} // namespace wypelark
