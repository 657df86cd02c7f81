// SPDX-License-Identifier: LicenseRef-proprietary
#include "settings/RegistryStrings.h"

#include "settings/RegistryFile.h"

namespace wypelark {

QString RegGetString(const RegistryFile& store, std::uint32_t hive, const QString& subKey,
                     const QString& valueName, const QString& defaultValue) {
    QString result = defaultValue;
    RegistryFile::Key key = store.openKey(hive, subKey);
    // Another instance may change the value between the look at its size and the read: only what
    // the read delivered counts, and a value that grew meanwhile is looked at again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (store.queryValue(key, valueName, type, nullptr, size) != RegistryFile::Success ||
            type != RegistryFile::StringType)
            break;
        QByteArray buffer(static_cast<qsizetype>(size), ' ');
        const long read = store.queryValue(key, valueName, type, buffer.data(), size);
        if (read == RegistryFile::MoreData)
            continue;
        if (read != RegistryFile::Success || type != RegistryFile::StringType)
            break;
        buffer.truncate(static_cast<qsizetype>(size));
        const qsizetype nul = buffer.indexOf('\0');
        if (nul >= 0)
            buffer.truncate(nul);
        result = QString::fromLocal8Bit(buffer);
        break;
    }
    store.closeKey(key);
    return result;
}

void RegSaveString(RegistryFile& store, std::uint32_t hive, const QString& subKey,
                   const QString& valueName, const QString& value) {
    RegistryFile::Key key = store.createKey(hive, subKey);
    store.setValue(key, valueName, RegistryFile::StringType, value.toLocal8Bit());
    store.closeKey(key);
}

} // namespace wypelark
