// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

namespace wypelark {

class RegistryFile;

// Whether the window reads each file back before deleting it, as a person last chose in the
// question before a run; off until chosen.
class ReadBackSetting {
public:
    static const QString Name;

    static bool read(const RegistryFile& store);
    static void save(RegistryFile& store, bool readBack);
};

} // namespace wypelark
