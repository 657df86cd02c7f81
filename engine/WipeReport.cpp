// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WipeReport.h"

#include <set>

namespace wypelark {
const char* stepWord(WipeStep step) {
    switch (step) {
    case WipeStep::Open:
        return "open";
    case WipeStep::Length:
        return "measure";
    case WipeStep::Write:
        return "write";
    case WipeStep::Flush:
        return "flush";
    case WipeStep::Close:
        return "close";
    case WipeStep::Verify:
        return "verify";
    case WipeStep::Delete:
        return "delete";
    case WipeStep::Sync:
        return "sync";
    }
    return "unknown";
}

namespace {

constexpr char Hex[] = "0123456789abcdef";

std::string escapedByte(unsigned char byte) {
    return std::string("\\x") + Hex[byte >> 4] + Hex[byte & 0xf];
}

// The length of the valid UTF-8 sequence at text[at], and its code point; 0 when none starts
// there (a stray byte, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t utf8Sequence(const std::string& text, std::size_t at, char32_t& point) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        point = lead & 0x1f;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        point = lead & 0x0f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        point = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
        point = (point << 6) | (byte(i) & 0x3f);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < least[length] || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff))
        return 0;
    return length;
}

// Characters that are invisible or turn the text around them: C1 controls, the soft hyphen,
// zero-width characters, bidirectional marks, embeddings, overrides and isolates, the word
// joiner and its kin, the byte order mark.
bool isDeceptive(char32_t point) {
    return (point >= 0x80 && point <= 0x9f) || point == 0xad || point == 0x61c ||
           (point >= 0x200b && point <= 0x200f) || (point >= 0x202a && point <= 0x202e) ||
           (point >= 0x2060 && point <= 0x2064) || (point >= 0x2066 && point <= 0x206f) ||
           point == 0xfeff;
}

std::string escapedPoint(char32_t point) {
    std::string shown = "\\u{";
    bool started = false;
    for (int shift = 20; shift >= 0; shift -= 4) {
        const auto digit = static_cast<unsigned>((point >> shift) & 0xf);
        if (digit != 0 || started || shift < 16) {
            shown += Hex[digit];
            started = true;
        }
    }
    return shown + "}";
}

} // namespace

std::string printablePath(const std::string& path) {
    if (path.empty())
        return "\"\""; // an empty argument, named as such
    std::string shown;
    shown.reserve(path.size());
    for (std::size_t at = 0; at < path.size();) {
        const auto byte = static_cast<unsigned char>(path[at]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7f)
                shown += escapedByte(byte);
            else if (byte == '\\')
                shown += "\\\\";
            else
                shown += path[at];
            ++at;
            continue;
        }
        char32_t point = 0;
        const std::size_t length = utf8Sequence(path, at, point);
        if (length == 0) {
            shown += escapedByte(byte);
            ++at;
        } else {
            shown += isDeceptive(point) ? escapedPoint(point) : path.substr(at, length);
            at += length;
        }
    }
    return shown;
}

int WipeReport::remarkedFileCount() const {
    std::set<std::string> paths;
    for (const StorageRemark& remark : remarks)
        paths.insert(remark.path);
    return static_cast<int>(paths.size());
}

} // namespace wypelark
