// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/PassCountSetting.h"

#include "settings/PassCountText.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStrings.h"

#include <algorithm>

namespace wypelark {

const QString PassCountSetting::Key = QStringLiteral("Software\\Wipelark");
const QString PassCountSetting::ReadName = QStringLiteral("Overwrite");
const QString PassCountSetting::WrittenName = QStringLiteral("OverWrite");

int PassCountSetting::read(const RegistryFile& store) {
    return parsePassCount(RegGetString(store, RegistryFile::CurrentUser, Key, ReadName));
}

void PassCountSetting::save(RegistryFile& store, int passes) {
    RegSaveString(store, RegistryFile::CurrentUser, Key, WrittenName, formatPassCount(passes));
}

int PassCountSetting::clamped(int passes) {
    return std::clamp(passes, Minimum, Maximum);
}

} // namespace wypelark
