#pragma once

#include "engine/FileOperations.h"

namespace wypelark {

// The real disk: open(2) with O_NOFOLLOW, pwrite(2), fdatasync(2), unlink(2).
class PosixFileOperations final : public FileOperations {
public:
    OpenResult open(const std::string& path) override;
    std::error_code remove(const std::string& path) override;
};

} // namespace wypelark
