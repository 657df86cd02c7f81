// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QList>
#include <QListView>

#include <optional>
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
    // Shows the files a long listing of another folder has read so far, in the order read,
    // until showFolder shows them all; the same folder listed again keeps its rows meanwhile.
    void showEarly(const QByteArray& folder, QList<QByteArray> names);
    // The listing whose early files are shown failed: the folder shown before comes back.
    void dropEarly();
    bool showingEarly() const { return mBeforeEarly.has_value(); }
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
    void forgetBeforeEarly();

    struct Shown {
        QByteArray folder;
        QList<QByteArray> names;
    };

    const DirectoryAccess& mDirectories;
    FileListModel* mFiles = nullptr;
    QByteArray mFolder;
    int mTicket = 0;                   // of the latest listing asked for
    std::optional<Shown> mBeforeEarly; // while early files are shown
};

} // namespace wypelark
