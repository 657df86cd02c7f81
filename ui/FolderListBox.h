// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/DirectoryAccess.h"

#include <QByteArray>
#include <QList>
#include <QListWidget>

#include <optional>
#include <system_error>

class QFocusFrame;

namespace wypelark {

// A classic folder list: the ancestors of the current folder from "/" down, the current
// folder, then its subfolders in the order the listing gives. Opening an entry makes it the
// current folder.
class FolderListBox final : public QListWidget {
    Q_OBJECT

public:
    static constexpr int PathRole = Qt::UserRole;

    FolderListBox(const DirectoryAccess& directories, QWidget* parent = nullptr);

    QByteArray path() const { return mPath; }
    // Lists the folder and makes it current; on an error nothing changes. A listing overtaken
    // by a later one changes nothing and comes back as cancelled.
    std::error_code setPath(const QByteArray& path);
    // The names of the files the last listing found in the current folder, once: the file list
    // shows them without reading a million names again.
    std::optional<QList<QByteArray>> takeFileNames();
    // The current folder's change time as its last listing began (0 where not known).
    std::int64_t listedChange() const { return mListedChange; }

signals:
    void pathChanged();
    // The files a long listing of a folder has read so far, before it ends.
    void filesArriving(const QByteArray& folder, const QList<QByteArray>& names);
    // A listing that may have told of files early failed or was overtaken.
    void earlyFilesDropped();
    // An entry was opened but its folder could not be listed; the list stays as it was.
    void openFailed(const QByteArray& path, std::error_code error);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void openPath(const QByteArray& path);
    EarlyEntries earlyFiles(const QByteArray& folder, int ticket);

    const DirectoryAccess& mDirectories;
    // The style's frame around the list while it has the focus: the current entry's own mark
    // hardly shows on the selected entry.
    QFocusFrame* mFocusFrame = nullptr;
    QByteArray mPath;
    std::optional<QList<QByteArray>> mFileNames; // of mPath, until taken
    std::int64_t mListedChange = 0;
    int mTicket = 0;      // of the latest listing asked for
    int mEarlyTicket = 0; // of the listing whose early files are welcome, while it goes on
};

} // namespace wypelark
