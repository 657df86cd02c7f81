// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/DestructionRule.h"

#include "engine/WipeRun.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wypelark::testing {

DestructionRule::Record& DestructionRule::record(const std::string& path,
                                                 const std::string& event) {
    Record& found = mRecords[path];
    found.history.push_back(event);
    return found;
}

void DestructionRule::requireNaming() {
    const std::lock_guard lock(mMutex);
    mNamingRequired = true;
}

void DestructionRule::named(const std::vector<std::string>& paths) {
    const std::lock_guard lock(mMutex);
    mNamed.insert(paths.begin(), paths.end());
}

void DestructionRule::checkNamed(const std::string& path, const std::string& what) const {
    if (mNamingRequired && !mNamed.contains(path))
        broken(path, what + ", but no accepted question named it");
}

void DestructionRule::opened(const std::string& path, const FileIdentity& identity) {
    const std::lock_guard lock(mMutex);
    checkNamed(path, "opened to be overwritten");
    Record& found = record(path, "open");
    if (found.started && found.identity == identity)
        return;
    // Another file under the same name: nothing done to the one before counts for it.
    found.started = true;
    found.required = requiredPasses();
    found.identity = identity;
    found.covered.clear();
    found.passes = 0;
}

void DestructionRule::passCountChanged(int passes) {
    const std::lock_guard lock(mMutex);
    for (auto& [path, found] : mRecords)
        found.required = std::min(found.required, passes);
}

void DestructionRule::wrote(const std::string& path, std::int64_t offset, const char* data,
                            std::size_t size, std::int64_t length) {
    const std::lock_guard lock(mMutex);
    const auto end = offset + static_cast<std::int64_t>(size);
    Record& found = record(path, "write " + std::to_string(offset) + "+" + std::to_string(size));
    if (offset < 0 || end > length)
        broken(path, "wrote past the end of the file (length " + std::to_string(length) + ")");
    if (std::any_of(data, data + size, [](char c) { return c != WipeRun::FillByte; }))
        broken(path, "wrote something other than the fill");
    // Merge [offset, end) into the ranges written.
    std::int64_t start = offset;
    std::int64_t stop = end;
    auto next = found.covered.upper_bound(start);
    if (next != found.covered.begin() && std::prev(next)->second >= start)
        --next;
    while (next != found.covered.end() && next->first <= stop) {
        start = std::min(start, next->first);
        stop = std::max(stop, next->second);
        next = found.covered.erase(next);
    }
    found.covered[start] = stop;
}

bool DestructionRule::covers(const Record& record, std::int64_t length) {
    if (length <= 0)
        return true;
    const auto first = record.covered.find(0);
    return first != record.covered.end() && first->second >= length;
}

void DestructionRule::flushed(const std::string& path, std::int64_t length) {
    const std::lock_guard lock(mMutex);
    Record& found = record(path, "flush at length " + std::to_string(length));
    if (!covers(found, length))
        return;
    ++found.passes;
    found.covered.clear();
    found.history.back() += " (pass " + std::to_string(found.passes) + " made)";
}

void DestructionRule::closed(const std::string& path) {
    const std::lock_guard lock(mMutex);
    record(path, "close");
}

void DestructionRule::removed(const std::string& path, const FileIdentity& identity) {
    const std::lock_guard lock(mMutex);
    checkNamed(path, "removed");
    const Record& found = record(path, "remove");
    const int required = std::max(1, std::min(found.required, requiredPasses()));
    if (found.passes < required)
        broken(path, "removed after " + std::to_string(found.passes) + " complete passes of " +
                         std::to_string(required));
    if (!(found.identity == identity))
        broken(path, "removed with an identity its passes were not made with");
    mRecords.erase(path);
    mAwaitingSync[splitPath(path).folder].push_back(path);
}

void DestructionRule::folderSynced(const std::string& folder) {
    const std::lock_guard lock(mMutex);
    mAwaitingSync.erase(folder);
}

DestructionRule::~DestructionRule() {
    for (const auto& [folder, paths] : mAwaitingSync) {
        for (const std::string& path : paths)
            ADD_FAILURE() << "a file was deleted, but its folder never flushed: " << path;
    }
}

void DestructionRule::broken(const std::string& path, const std::string& what) const {
    std::string history;
    if (const auto found = mRecords.find(path); found != mRecords.end()) {
        for (const std::string& event : found->second.history)
            history += "\n  " + event;
    }
    ADD_FAILURE() << "a file was destroyed against the rule: " << path << " " << what
                  << "; what happened to it:" << history;
}

} // namespace wypelark::testing
