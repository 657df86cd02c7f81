// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FileListBox.h"

#include "browse/DirectoryAccess.h"
#include "browse/NameOrder.h"
#include "list/ShownName.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>

namespace wypelark {

FileListBox::FileListBox(const DirectoryAccess& directories, QWidget* parent)
    : QListWidget(parent), mDirectories(directories) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

std::error_code FileListBox::setFolder(const QByteArray& folder) {
    const int ticket = ++mTicket;
    const DirectoryListing listing = mDirectories.list(folder);
    // Another folder was shown while this one was read: its listing stands.
    if (ticket != mTicket)
        return std::make_error_code(std::errc::operation_canceled);
    if (listing.error)
        return listing.error;
    QList<QByteArray> names;
    for (const DirectoryEntry& entry : listing.entries) {
        if (!entry.isFolder && !entry.name.startsWith('.'))
            names.push_back(entry.name);
    }
    sortNames(names);
    // The same folder listed again keeps what was selected and where the focus was.
    QSet<QByteArray> selected;
    QByteArray current;
    if (folder == mFolder) {
        for (const QListWidgetItem* item : selectedItems())
            selected.insert(item->data(NameRole).toByteArray());
        if (currentItem())
            current = currentItem()->data(NameRole).toByteArray();
    }
    clear();
    // All rows go in at once: one by one, each would be laid out anew by the view.
    QStringList shown;
    shown.reserve(names.size());
    for (const QByteArray& name : names)
        shown.push_back(shownName(name));
    addItems(shown);
    {
        // The view asks for the data when it paints; no row needs repainting now.
        const QSignalBlocker quiet(model());
        for (int row = 0; row < count(); ++row) {
            QListWidgetItem* entry = item(row);
            const QByteArray& name = names[row];
            entry->setData(NameRole, name);
            // Two names that look alike are told apart by their bytes.
            if (const QString bytes = escapedNameBytes(name); !bytes.isEmpty())
                entry->setToolTip(tr("Bytes: %1").arg(bytes));
        }
    }
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* entry = item(row);
        if (!current.isEmpty() && names[row] == current)
            setCurrentItem(entry, QItemSelectionModel::NoUpdate);
        // Each change of the selection is one call of the selection model: only those kept.
        if (selected.contains(names[row]))
            entry->setSelected(true);
    }
    mFolder = folder;
    return {};
}

std::vector<FileListEntry> FileListBox::entries() const {
    std::vector<FileListEntry> all;
    all.reserve(static_cast<std::size_t>(count()));
    for (int row = 0; row < count(); ++row) {
        const QListWidgetItem* entry = item(row);
        all.push_back({entry->data(NameRole).toByteArray(), entry->isSelected()});
    }
    return all;
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    // A right press leaves the selection as it is: the pop-up menu adds what is selected.
    if (event->button() != Qt::RightButton)
        QListWidget::mousePressEvent(event);
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit addRequested();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FileListBox::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's menu opens on the press; the keyboard's opens here, at the current entry.
    if (event->reason() != QContextMenuEvent::Keyboard)
        return;
    const QListWidgetItem* current = currentItem();
    emit menuRequested(current ? visualItemRect(current).center() : QPoint(0, 0));
}

void FileListBox::focusInEvent(QFocusEvent* event) {
    // An entry shows where the focus is, without changing the selection.
    if (!currentItem() && count() > 0)
        setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QListWidget::focusInEvent(event);
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace wypelark
