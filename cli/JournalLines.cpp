// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/JournalLines.h"

#include <QByteArray>
#include <QList>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace wypelark {

std::ostream& operator<<(std::ostream& out, LinePriority marker) {
    out.flush();
    if (auto* journal = dynamic_cast<JournalLines*>(out.rdbuf()))
        journal->setPriority(marker.priority);
    return out;
}

bool goesToJournal(int fd) {
    const char* named = std::getenv("JOURNAL_STREAM");
    if (!named)
        return false;
    const QList<QByteArray> parts = QByteArray(named).split(':');
    struct stat status {};
    if (parts.size() != 2 || ::fstat(fd, &status) != 0)
        return false;
    bool deviceRead = false;
    bool inodeRead = false;
    const qulonglong device = parts[0].toULongLong(&deviceRead);
    const qulonglong inode = parts[1].toULongLong(&inodeRead);
    return deviceRead && inodeRead && device == status.st_dev && inode == status.st_ino;
}

JournalLines::JournalLines(std::ostream& stream, Priority priority)
    : mStream(stream), mOwn(stream.rdbuf()), mPriority(priority) {
    mStream.flush();
    mStream.rdbuf(this);
}

JournalLines::~JournalLines() {
    mStream.rdbuf(mOwn);
    mOwn->pubsync();
}

JournalLines::int_type JournalLines::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    if (mLineStart) {
        const std::string prefix = "<" + std::to_string(static_cast<int>(mPriority)) + ">";
        if (mOwn->sputn(prefix.data(), static_cast<std::streamsize>(prefix.size())) !=
            static_cast<std::streamsize>(prefix.size()))
            return traits_type::eof();
        mLineStart = false;
    }
    if (traits_type::eq_int_type(mOwn->sputc(traits_type::to_char_type(c)), traits_type::eof()))
        return traits_type::eof();
    mLineStart = traits_type::to_char_type(c) == '\n';
    return c;
}

int JournalLines::sync() {
    return mOwn->pubsync();
}

} // namespace wypelark
