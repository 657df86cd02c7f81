#include "settings/RegistryStrings.h"

#include "settings/RegistryFile.h"

namespace wypelark {

QString RegGetString(const RegistryFile& store, std::uint32_t hive, const QString& subKey,
                     const QString& valueName, const QString& defaultValue) {
    QString result = defaultValue;
    RegistryFile::Key key = store.openKey(hive, subKey);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const long found = store.queryValue(key, valueName, type, nullptr, size);
    if (found == RegistryFile::Success && type == RegistryFile::StringType) {
        QByteArray buffer(static_cast<qsizetype>(size), ' ');
        store.queryValue(key, valueName, type, buffer.data(), size);
        const qsizetype nul = buffer.indexOf('\0');
        if (nul >= 0)
            buffer.truncate(nul);
        result = QString::fromLocal8Bit(buffer);
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
