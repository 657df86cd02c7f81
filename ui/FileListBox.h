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
    // Lists the folder's files; on an error nothing changes.
    std::error_code setFolder(const QByteArray& folder);
    std::error_code refresh() { return setFolder(mFolder); }
    std::vector<FileListEntry> entries() const;

signals:
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const DirectoryAccess& mDirectories;
    QByteArray mFolder;
};

} // namespace wypelark
