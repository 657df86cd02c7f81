// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/EventLoopWaiter.h"
#include "control/RunSession.h"
#include "list/AddSelectedFiles.h"
#include "list/AddedFolders.h"
#include "list/DeletionListModel.h"
#include "list/PathScan.h"
#include "list/TrashScan.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace wypelark {

class RegistryFile;

// What a look into the person's trash cans added, and what it could not reach.
struct TrashIntake {
    int entries = 0;                    // files and folders found in the cans
    std::vector<RefusedFile> refused;   // cans refused, and what in them could not be added
    std::vector<QByteArray> notReached; // volumes not mounted, whose cans were not looked at
};

// How a controller is set up for its front end.
struct ControllerSetup {
    FileOperations& disk;
    // Where the pass count is remembered when it changes; nowhere when null.
    RegistryFile* settings = nullptr;
    // Every call that can wait on the device is made on a worker while this thread goes on
    // handling its events, as a window needs; otherwise on this thread.
    bool awayFromThisThread = true;
    // Every file is read back before it is deleted, and left when it differs from the fill.
    bool readBack = false;
    // While reading back, the device's own blocks under each file are read too, where the
    // file system tells where they are and this user may read the device.
    bool checkBlocks = false;
};

// The application between the core and its front ends: the deletion list and the folders added
// as folders, the pass count and the read-back choice, the intake of paths and the rules of
// editing the list, over the workers that wait on the device. It hands out the run session.
class WipeController final : public QObject {
    Q_OBJECT

public:
    explicit WipeController(const ControllerSetup& setup, QObject* parent = nullptr);
    ~WipeController() override;

    DeletionListModel& list() { return mList; }
    const DeletionListModel& list() const { return mList; }
    RunSession& session() { return *mSession; }
    const RunSession& session() const { return *mSession; }

    // The pass count: the one remembered, and the one the next run makes.
    int storedPassCount() const;
    int passCount() const { return mSession->passCount(); }
    void setPassCount(int passes);
    // Whether each file is read back from the device before it is deleted: the choice last
    // stored, and the choice for the next run, stored in turn.
    bool storedReadBack() const;
    void setReadBack(bool readBack);
    // Returns once the counts and choices set before are saved.
    void waitForSettingsSaved();

    // Adds the files that paths name, folders with everything below them; relative paths are
    // taken against base. What could not be added comes back.
    std::vector<RefusedFile> addPaths(const std::vector<QByteArray>& paths, const QByteArray& base,
                                      GivenFolders folders = GivenFolders::Walked);
    // Adds what the person's trash cans hold, each file with the path it had before, then the
    // records of where they came from (each destroyed only once what it describes is gone) and
    // the cans' caches of folder sizes, which name them too.
    TrashIntake addTrash(const TrashPlaces& places);
    // Adds what a drop names when every address is a local file or folder; nothing otherwise.
    std::optional<std::vector<RefusedFile>> addUrls(const QList<QUrl>& urls);
    // Adds the named files of a folder, those selected in its file list.
    std::vector<RefusedFile> addSelected(const QByteArray& folder, QList<QByteArray> names);
    // Files added after the question that started the run under way or paused, and kept for a
    // later Delete; marked so in the list.
    int heldCount() const { return mList.heldCount(); }

    // The list changes only while no run is under way: a run walks it by position, and the
    // Delete command then removes the folders that were added, until it has returned.
    bool listEditable() const { return mSession->listEditable(); }
    // Removes the items at the given 1-based positions, and the folders they were added with.
    void removeFromList(const std::vector<int>& positions);
    void clearList();

    // Whether a close must be refused now: a run is under way, or files are being taken in.
    bool closeRefused() const;
    CloseAnswer closeAnswer();

private:
    void onIntake(const std::function<void()>& call);
    ListedPaths listedPaths() const;
    void appendFound(const std::vector<FoundFile>& files);

    RegistryFile* mSettings;
    std::optional<EventLoopWaiter> mWaiter;
    std::optional<EventLoopWaiter> mIntake;
    DeletionListModel mList;
    AddedFolders mFolders;
    // Last, so that it goes first: its run's calls go through the workers and the list.
    std::unique_ptr<RunSession> mSession;
    bool mAppending = false; // files go in in slices, the events handled between them
    static constexpr std::size_t AppendSlice = 20000;
};

} // namespace wypelark
