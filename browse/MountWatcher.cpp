// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/MountWatcher.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace wypelark {

MountWatcher::MountWatcher(QObject* parent)
    : QObject(parent), mTable(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC)) {
    if (!mTable.valid())
        return;
    readToTheEnd();
    mNotifier = new QSocketNotifier(mTable.get(), QSocketNotifier::Exception, this);
    connect(mNotifier, &QSocketNotifier::activated, this, [this] {
        readToTheEnd();
        emit mountsChanged();
    });
}

MountWatcher::~MountWatcher() = default;

// The change mark stays set until the table has been read again.
void MountWatcher::readToTheEnd() {
    char buffer[4096];
    ::lseek(mTable.get(), 0, SEEK_SET);
    while (::read(mTable.get(), buffer, sizeof buffer) > 0) {
    }
}

} // namespace wypelark
