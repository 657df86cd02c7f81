// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <ostream>
#include <streambuf>

namespace wypelark {

// The syslog priority a line of the command's output is logged at.
enum class Priority { Error = 3, Warning = 4, Info = 6 };

// The lines written after it carry this priority, where the stream goes to the journal; a no-op
// elsewhere. out << LinePriority{Priority::Warning} << ...
struct LinePriority {
    Priority priority;
};
std::ostream& operator<<(std::ostream& out, LinePriority marker);

// Whether the file descriptor is the stream the service manager connected to the journal
// (JOURNAL_STREAM names its device and inode).
bool goesToJournal(int fd);

// While it lives, every line written to the stream starts with its syslog priority ("<3>"), so
// that journalctl -p err finds the failures; the stream's own buffer is put back at its end.
class JournalLines final : public std::streambuf {
public:
    JournalLines(std::ostream& stream, Priority priority);
    ~JournalLines() override;
    JournalLines(const JournalLines&) = delete;
    JournalLines& operator=(const JournalLines&) = delete;

    void setPriority(Priority priority) { mPriority = priority; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    std::ostream& mStream;
    std::streambuf* mOwn;
    Priority mPriority;
    bool mLineStart = true;
};

} // namespace wypelark
