// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace wypelark::testing {

// The one rule this program lives by, checked on every operation a test's disk sees: a file is
// removed only after the run wrote its whole length with the fill, once per pass, each pass
// flushed, as many times as the pass count asks, with the identity it was opened with; no write
// goes past a file's end or writes anything but the fill. A break fails the test at once, with
// what happened to that path.
class DestructionRule {
public:
    // The passes a removal needs; a test's host can answer with its pass count. A count changed
    // while a file is handled may apply to it or not, as the run's next look at it decides: a
    // removal needs the least count the file saw.
    std::function<int()> requiredPasses = [] { return 1; };
    void passCountChanged(int passes);
    // From now on a file may be opened for the run or removed only if a question named it and
    // was accepted: named() is told the paths each accepted question named.
    void requireNaming();
    void named(const std::vector<std::string>& paths);

    void opened(const std::string& path, const FileIdentity& identity);
    void wrote(const std::string& path, std::int64_t offset, const char* data, std::size_t size,
               std::int64_t length);
    // A flush that covers every byte written since the last complete pass makes a pass.
    void flushed(const std::string& path, std::int64_t length);
    void closed(const std::string& path);
    void removed(const std::string& path, const FileIdentity& identity);
    // The deletes made in folder were asked to be made durable; a failure there is the run's to
    // report.
    void folderSynced(const std::string& folder);
    // A delete never made durable is a break too.
    ~DestructionRule();
    DestructionRule() = default;
    DestructionRule(const DestructionRule&) = delete;
    DestructionRule& operator=(const DestructionRule&) = delete;

private:
    struct Record {
        bool started = false;
        int required = 1;
        FileIdentity identity;
        std::map<std::int64_t, std::int64_t> covered; // written byte ranges [start, end)
        int passes = 0;
        std::vector<std::string> history;
    };

    Record& record(const std::string& path, const std::string& event);
    void checkNamed(const std::string& path, const std::string& what) const;
    static bool covers(const Record& record, std::int64_t length);
    void broken(const std::string& path, const std::string& what) const;

    mutable std::mutex mMutex; // a window's worker reports the calls it makes
    std::map<std::string, Record> mRecords;
    std::map<std::string, std::vector<std::string>> mAwaitingSync; // removed paths by folder
    bool mNamingRequired = false;
    std::set<std::string> mNamed;
};

} // namespace wypelark::testing
