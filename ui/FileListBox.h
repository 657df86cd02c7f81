// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QList>
#include <QListView>

#include <system_error>
#include <utility>
#include <vector>

namespace wypelark {

class DirectoryAccess;
class FileListModel;

// The files of one folder in the order its listing gives (ShownDirectoryAccess: hidden ones
// left out, sorted), with extended multi-selection.
// Each entry keeps its name as the file system's bytes (FileListModel::NameRole).
class FileListBox final : public QListView {
    Q_OBJECT

public:
    FileListBox(const DirectoryAccess& directories, QWidget* parent = nullptr);

    QByteArray folder() const { return mFolder; }
    // Lists the folder's files; on an error nothing changes. A listing overtaken by a later one
    // changes nothing and comes back as cancelled.
    std::error_code setFolder(const QByteArray& folder);
    // Shows the files of a folder listed already, sorted as a listing comes.
    void showFolder(const QByteArray& folder, QList<QByteArray> names);
    std::error_code refresh() { return setFolder(mFolder); }
    // The names of the selected files, in the list's order.
    QList<QByteArray> selectedNames() const;
    int count() const;

    // Rows, as ranges of neighbours: those selected and the current one (-1 for none).
    struct ChosenRows {
        std::vector<std::pair<int, int>> selected;
        int current = -1;
    };
    using KeptRows = ChosenRows;

public slots:
    void selectAll() override;

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
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

private:
    static constexpr int LayoutBatch = 20000;

    ChosenRows chosenRows() const;
    std::error_code show(const QByteArray& folder, int ticket, QList<QByteArray> names);

    const DirectoryAccess& mDirectories;
    FileListModel* mFiles = nullptr;
    QByteArray mFolder;
    int mTicket = 0; // of the latest listing asked for
};

} // namespace wypelark
