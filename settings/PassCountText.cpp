// SPDX-License-Identifier: LicenseRef-proprietary
#include "settings/PassCountText.h"

#include <QByteArray>
#include <cfenv>
#include <cmath>

#include <limits>
#include <string>

namespace wypelark {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The longest leading run of the text that forms a number, with 'e' for the exponent.
std::string numberPrefix(const std::string& text) {
    std::size_t i = 0;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && isDigit(text[i])) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        const std::size_t digitsStart = j;
        while (j < text.size() && isDigit(text[j]))
            exponent += text[j++];
        if (j > digitsStart)
            number += exponent;
    }
    return number;
}

} // namespace

std::int32_t parsePassCount(const QString& text) {
    std::string compact;
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            compact += c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f';
    }
    const std::string number = numberPrefix(compact);
    if (number.empty())
        return 0;
    // Always a decimal point, whatever the user's locale says.
    bool ok = false;
    const double value = QByteArray::fromStdString(number).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(rounded);
}

QString formatPassCount(std::int32_t count) {
    return QString::number(count);
}

} // namespace wypelark
