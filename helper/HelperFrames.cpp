// SPDX-License-Identifier: LicenseRef-proprietary
#include "helper/HelperFrames.h"

#include <cerrno>
#include <charconv>
#include <poll.h>
#include <unistd.h>

namespace wypelark {
namespace {

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = line.find(' ', start);
        fields.push_back(line.substr(start, blank - start));
        if (blank == std::string::npos)
            return fields;
        start = blank + 1;
    }
}

} // namespace

std::optional<std::vector<std::string>> HelperFrames::next(bool wait) {
    for (;;) {
        if (const std::size_t end = mBuffer.find('\n'); end != std::string::npos) {
            std::string line = mBuffer.substr(0, end);
            mBuffer.erase(0, end + 1);
            if (line.size() > MaxFrame)
                return std::vector<std::string>{"malformed"};
            return fieldsOf(line);
        }
        if (mBuffer.size() > MaxFrame)
            return std::vector<std::string>{"malformed"};
        if (mEnded)
            return std::vector<std::string>{mBuffer.empty() ? "eof" : "malformed"};
        pollfd input{mInput, POLLIN, 0};
        const int ready = ::poll(&input, 1, wait ? -1 : 0);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            return std::nullopt;
        char chunk[1024];
        const ssize_t got = ::read(mInput, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            mEnded = true;
        else
            mBuffer.append(chunk, static_cast<std::size_t>(got));
    }
}

std::string HelperFrames::hex(const std::string& bytes) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += Digits[byte >> 4];
        out += Digits[byte & 0xf];
    }
    return out;
}

std::optional<std::string> HelperFrames::unhex(const std::string& digits) {
    if (digits.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t at = 0; at < digits.size(); at += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(&digits[at], &digits[at] + 2, value, 16);
        if (error != std::errc() || end != &digits[at] + 2)
            return std::nullopt;
        bytes += static_cast<char>(value);
    }
    return bytes;
}

std::optional<std::uint64_t> HelperFrames::number(const std::string& digits) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace wypelark
