// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/UniqueFd.h"

#include <QObject>

class QSocketNotifier;

namespace wypelark {

// Says when a file system is mounted or unmounted: the kernel marks /proc/self/mountinfo as
// changed, and a poll of its descriptor reports it.
class MountWatcher final : public QObject {
    Q_OBJECT

public:
    explicit MountWatcher(QObject* parent = nullptr);
    ~MountWatcher() override;

signals:
    void mountsChanged();

private:
    void readToTheEnd();

    UniqueFd mTable;
    QSocketNotifier* mNotifier = nullptr;
};

} // namespace wypelark
