// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list/AddSelectedFiles.h"

#include <QByteArray>
#include <QListWidget>

#include <system_error>
#include <vector>

namespace wypelark {

class DirectoryAccess;

// The files of one folder (hidden ones left out), sorted, with extended multi-selection.
// Each entry keeps its name as the file system's bytes.
class FileListBox final : public QListWidget {
    Q_OBJECT

public:
    static constexpr int NameRole = Qt::UserRole;

    FileListBox(const DirectoryAccess& directories, QWidget* parent = nullptr);

    QByteArray folder() const { return mFolder; }
    // Lists the folder's files; on an error nothing changes. A listing overtaken by a later one
    // changes nothing and comes back as cancelled.
    std::error_code setFolder(const QByteArray& folder);
    std::error_code refresh() { return setFolder(mFolder); }
    std::vector<FileListEntry> entries() const;

signals:
    void doubleClicked();
    // Return or Enter: add the selected files.
    void addRequested();
    // The menu key or Shift+F10: the pop-up menu, at a point of the viewport.
    void menuRequested(const QPoint& at);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    const DirectoryAccess& mDirectories;
    QByteArray mFolder;
    int mTicket = 0; // of the latest listing asked for
};

} // namespace wypelark
