// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileOperations.h"
#include "engine/StorageRemark.h"

#include <string>
#include <system_error>
#include <vector>

namespace wypelark {

// The step of the run at which a file failed.
enum class WipeStep { Open, Length, Write, Flush, Close, Verify, Delete, Sync };

// The step as a stable word for machine-read reports ("open", "write", ...).
const char* stepWord(WipeStep step);

struct WipeFailure {
    std::string path;
    WipeStep step;
    std::error_code error;
    // Where another program's file that took the name meanwhile stays, when it could not be put
    // back under it.
    std::string strandedAt = {};
    // The passes this run wrote over the whole file and flushed before it failed.
    int passesFlushed = 0;
};

// A destroyed file whose old copies the overwrite may not have reached.
struct StorageRemark {
    std::string path;
    StorageReason reason;
};

// A name as the program shows it, so that it cannot pass for another: control bytes and bytes
// that are not UTF-8 as \xHH, a backslash doubled, invisible and direction-changing characters
// (C1 controls, zero-width characters, bidirectional controls) as \u{XXXX}, everything else as
// it is. Two different names never show the same.
std::string printablePath(const std::string& path);

// What a run could not do, and what it could not promise, handed to the window once at the
// end of the run.
struct WipeReport {
    std::vector<WipeFailure> failures;
    std::vector<StorageRemark> remarks;
    std::vector<Leftover> leftovers; // found under private names, from runs stopped before
    int fileCount = 0;               // the files the run was given

    bool empty() const { return failures.empty() && remarks.empty() && leftovers.empty(); }
    // How many destroyed files got a remark.
    int remarkedFileCount() const;
};

} // namespace wypelark
