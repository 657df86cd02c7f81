// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

#include <cstdint>

namespace wypelark {

class RegistryFile;

// Reads a string value; any other outcome (no key, no value, another type) gives the default.
// The text ends at its first NUL.
QString RegGetString(const RegistryFile& store, std::uint32_t hive, const QString& subKey,
                     const QString& valueName, const QString& defaultValue = QString());

// Writes a string value, creating the key when needed; failures pass silently.
void RegSaveString(RegistryFile& store, std::uint32_t hive, const QString& subKey,
                   const QString& valueName, const QString& value);

} // namespace wypelark
