// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/ReadBackSetting.h"

#include "control/PassCountSetting.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStrings.h"

namespace wypelark {

const QString ReadBackSetting::Name = QStringLiteral("ReadBack");

// Anything but "1", a missing value included, is off.
bool ReadBackSetting::read(const RegistryFile& store) {
    return RegGetString(store, RegistryFile::CurrentUser, PassCountSetting::Key, Name) ==
           QLatin1String("1");
}

void ReadBackSetting::save(RegistryFile& store, bool readBack) {
    RegSaveString(store, RegistryFile::CurrentUser, PassCountSetting::Key, Name,
                  readBack ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace wypelark
