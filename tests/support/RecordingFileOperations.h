// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/ForwardingFileOperations.h"
#include "tests/support/DestructionRule.h"
#include "tests/support/FakeFileOperations.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wypelark::testing {

// Passes every operation on to another FileOperations, records the writes, and calls onWrite
// after each one (numbered from 1) so that a test can act in the middle of a run. Everything that
// succeeds is checked against the rule.
class RecordingFileOperations final : public ForwardingFileOperations {
public:
    explicit RecordingFileOperations(FileOperations& inner) : ForwardingFileOperations(inner) {}

    std::vector<RecordedOp> writes;
    std::function<void(int)> onWrite;
    // The error an open of the path fails with, as the disk would give it; none to open it.
    std::function<std::error_code(const std::string&)> openRefusal;
    DestructionRule rule;

    OpenResult open(const std::string& path, const FileIdentity& identity) override;
    RemoveResult remove(const std::string& path, const FileIdentity& identity) override;
    std::error_code syncFolderOf(const std::string& path, const FileIdentity& identity) override;

private:
    class File;
};

} // namespace wypelark::testing
