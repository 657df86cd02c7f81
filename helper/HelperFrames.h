// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wypelark {

// The frames of the helper's protocol: one line each, at most MaxFrame bytes, its fields parted
// by one blank. A path travels as the hex digits of its bytes, so that no name can break a frame.
class HelperFrames {
public:
    static constexpr std::size_t MaxFrame = 4096;

    explicit HelperFrames(int inputFd) : mInput(inputFd) {}

    // The next frame's fields. Waits for one when wait is set, else returns nothing at once when
    // none is complete. A frame too long, or input that ends inside a frame, gives the fields
    // {"malformed"}; the end of the input gives {"eof"}.
    std::optional<std::vector<std::string>> next(bool wait);

    static std::string hex(const std::string& bytes);
    // The bytes of hex digits; nothing when they are not an even count of digits.
    static std::optional<std::string> unhex(const std::string& digits);
    // A decimal number that fits, nothing else.
    static std::optional<std::uint64_t> number(const std::string& digits);

private:
    int mInput;
    std::string mBuffer;
    bool mEnded = false;
};

} // namespace wypelark
