// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

namespace wypelark {

class RegistryFile;

// The number of passes a person chose, kept in the per-user settings store for the next start
// of the window and the command line's default.
class PassCountSetting {
public:
    static constexpr int Minimum = 1;
    static constexpr int Maximum = 20;
    static const QString Key;
    // The value is read under one spelling and written under the other; the store matches names
    // without regard to case, so both name the same value.
    static const QString ReadName;
    static const QString WrittenName;

    // The stored count as it was written, 0 when there is none or it is not a number.
    static int read(const RegistryFile& store);
    static void save(RegistryFile& store, int passes);
    static bool inRange(int passes) { return passes >= Minimum && passes <= Maximum; }
    static int clamped(int passes);
};

} // namespace wypelark
