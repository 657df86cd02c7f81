// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

#include <cstdint>

namespace wypelark {

// Reads a stored pass count leniently: blanks, tabs and line feeds are ignored wherever they
// stand; then an optional sign, digits with an optional decimal point and an optional exponent,
// up to the first character that cannot continue the number. Rounds half to even. A text with
// no number, or a number outside the 32-bit signed range, gives 0.
std::int32_t parsePassCount(const QString& text);

// The stored form of a pass count: plain decimal digits, a "-" ahead of a negative number.
QString formatPassCount(std::int32_t count);

} // namespace wypelark
