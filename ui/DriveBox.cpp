// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/DriveBox.h"

#include "browse/DirectoryAccess.h"
#include "browse/MountWatcher.h"
#include "browse/PosixDirectoryAccess.h"

#include <QFile>

#include <algorithm>

namespace wypelark {
namespace {

bool mountedAt(const std::vector<Volume>& volumes, const QByteArray& mountPoint) {
    return std::any_of(volumes.begin(), volumes.end(),
                       [&](const Volume& volume) { return volume.mountPoint == mountPoint; });
}

} // namespace

DriveBox::DriveBox(const DirectoryAccess& directories, std::function<QByteArray()> shownFolder,
                   QWidget* parent)
    : QComboBox(parent), mDirectories(directories), mShownFolder(std::move(shownFolder)),
      mMounts(new MountWatcher(this)) {
    connect(mMounts, &MountWatcher::mountsChanged, this, &DriveBox::refresh);
    connect(this, &QComboBox::activated, this, [this](int index) {
        // Choosing the drive that is already chosen is no change.
        if (index == mChosen)
            return;
        mChosen = index;
        emit driveChosen();
    });
}

void DriveBox::fill(const QByteArray& selected) {
    fillWith(mDirectories.volumes(), selected);
}

bool DriveBox::chosenMounted() const {
    return mountedAt(mDirectories.volumes(), chosen());
}

void DriveBox::fillWith(const std::vector<Volume>& volumes, const QByteArray& selected) {
    const QSignalBlocker quiet(this);
    clear();
    for (const Volume& volume : volumes) {
        const QString mountPoint = QFile::decodeName(volume.mountPoint);
        const QString shown = volume.label.isEmpty() || volume.label == mountPoint
                                  ? mountPoint
                                  : QStringLiteral("%1  [%2]").arg(mountPoint, volume.label);
        addItem(shown, volume.mountPoint);
    }
    setCurrentIndex(findData(selected));
    mChosen = currentIndex();
}

// A volume was mounted or unmounted: the box follows, keeping its choice while it exists.
void DriveBox::refresh() {
    const std::vector<Volume> volumes = mDirectories.volumes();
    QByteArray selected = chosen();
    if (!mountedAt(volumes, selected))
        selected = volumeHolding(volumes, mShownFolder());
    fillWith(volumes, selected);
}

} // namespace wypelark
