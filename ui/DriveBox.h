// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QComboBox>

#include <functional>
#include <vector>

namespace wypelark {

class DirectoryAccess;
class MountWatcher;
struct Volume;

// The drive box: one entry per mounted volume, its mount point and label. It follows mounts
// and unmounts, keeping its choice while that volume is there, else choosing the volume that
// holds the folder shown.
class DriveBox final : public QComboBox {
    Q_OBJECT

public:
    DriveBox(const DirectoryAccess& directories, std::function<QByteArray()> shownFolder,
             QWidget* parent = nullptr);

    // Lists the volumes mounted now and chooses the one mounted at selected.
    void fill(const QByteArray& selected);
    // The mount point chosen.
    QByteArray chosen() const { return currentData().toByteArray(); }
    // Whether a volume is mounted at the mount point chosen, now.
    bool chosenMounted() const;

signals:
    // Another volume was chosen.
    void driveChosen();

private:
    void fillWith(const std::vector<Volume>& volumes, const QByteArray& selected);
    void refresh();

    const DirectoryAccess& mDirectories;
    std::function<QByteArray()> mShownFolder;
    MountWatcher* mMounts;
    int mChosen = -1;
};

} // namespace wypelark
