#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace wypelark {

// The step of the run at which a file failed.
enum class WipeStep { Open, Length, Write, Flush, Close, Delete };

struct WipeFailure {
    std::string path;
    WipeStep step;
    std::error_code error;
};

// What a run could not do, handed to the window once at the end of the run.
struct WipeReport {
    std::vector<WipeFailure> failures;

    bool empty() const { return failures.empty(); }
    // One line per file: the path, what failed, the error number and its description.
    std::string text() const;
};

} // namespace wypelark
