// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FileListBox.h"

#include "browse/DirectoryAccess.h"
#include "control/AwayFromThisThread.h"
#include "control/WaitingDirectoryAccess.h"
#include "engine/ReleaseAway.h"
#include "ui/FileListModel.h"

#include <QContextMenuEvent>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>

namespace wypelark {
namespace {

// The rows of the names after that were selected, and current, among the names before.
FileListBox::KeptRows keptRows(const QList<QByteArray>& before,
                               const FileListBox::ChosenRows& chosen,
                               const QList<QByteArray>& after) {
    QSet<QByteArray> selected;
    for (const auto& [first, last] : chosen.selected) {
        for (int row = first; row <= last; ++row)
            selected.insert(before[row]);
    }
    const QByteArray current = chosen.current >= 0 ? before[chosen.current] : QByteArray();
    FileListBox::KeptRows kept;
    int rangeStart = -1;
    for (int row = 0; row <= static_cast<int>(after.size()); ++row) {
        const bool keep = row < after.size() && selected.contains(after[row]);
        if (keep && rangeStart < 0)
            rangeStart = row;
        if (!keep && rangeStart >= 0) {
            kept.selected.emplace_back(rangeStart, row - 1);
            rangeStart = -1;
        }
        if (row < after.size() && !current.isNull() && after[row] == current)
            kept.current = row;
    }
    return kept;
}

} // namespace

FileListBox::FileListBox(const DirectoryAccess& directories, QWidget* parent)
    : QListView(parent), mDirectories(directories), mFiles(new FileListModel(this)) {
    setModel(mFiles);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every row is as high as the first: the view lays out a million rows without asking each.
    setUniformItemSizes(true);
    // Laid out in batches with the events handled between them: one pass over a million rows
    // held the window a tenth of a second at each listing.
    setLayoutMode(QListView::Batched);
    setBatchSize(LayoutBatch);
}

int FileListBox::count() const {
    return mFiles->rowCount();
}

std::error_code FileListBox::setFolder(const QByteArray& folder) {
    const int ticket = ++mTicket;
    // The listing comes sorted.
    DirectoryListing listing = mDirectories.list(folder, {});
    QList<QByteArray> names = partedNamesAway(std::move(listing.entries)).files;
    if (listing.error && ticket == mTicket) {
        releaseAway(std::move(names));
        return listing.error;
    }
    return show(folder, ticket, std::move(names));
}

void FileListBox::showFolder(const QByteArray& folder, QList<QByteArray> names) {
    show(folder, ++mTicket, std::move(names));
}

void FileListBox::showEarly(const QByteArray& folder, QList<QByteArray> names) {
    // The rows of the same folder listed again stay until the listing ends, selection and all.
    if (folder == mFolder && !mBeforeEarly)
        return;
    if (folder != mFolder) {
        if (!mBeforeEarly)
            mBeforeEarly = Shown{mFolder, mFiles->names()};
        // A listing of this list's own that ends after this would show a folder left.
        ++mTicket;
        mFiles->setNames({});
        mFolder = folder;
    }
    mFiles->appendNames(std::move(names));
}

void FileListBox::dropEarly() {
    if (!mBeforeEarly)
        return;
    Shown before = std::move(*std::exchange(mBeforeEarly, std::nullopt));
    ++mTicket;
    mFiles->setNames(std::move(before.names));
    mFolder = before.folder;
}

void FileListBox::forgetBeforeEarly() {
    if (mBeforeEarly)
        releaseAway(std::move(std::exchange(mBeforeEarly, std::nullopt)->names));
}

std::error_code FileListBox::show(const QByteArray& folder, int ticket, QList<QByteArray> names) {
    // Another folder was shown while this one was read: its listing stands.
    if (ticket != mTicket) {
        releaseAway(std::move(names));
        return std::make_error_code(std::errc::operation_canceled);
    }
    // The same folder listed again keeps what was selected and where the focus was. Among early
    // rows, the focus alone is not kept: the list would jump to where that name sorts.
    KeptRows kept;
    const bool focusKept = currentIndex().isValid() && !mBeforeEarly;
    if (folder == mFolder && (selectionModel()->hasSelection() || focusKept)) {
        kept = awayFromThisThread<KeptRows>(
            [before = mFiles->names(), chosen = chosenRows(), after = names] {
                return keptRows(before, chosen, after);
            },
            {});
        if (ticket != mTicket) {
            releaseAway(std::move(names));
            return std::make_error_code(std::errc::operation_canceled);
        }
    }
    forgetBeforeEarly();
    mFiles->setNames(std::move(names));
    QItemSelection selection;
    for (const auto& [first, last] : kept.selected)
        selection.select(mFiles->index(first), mFiles->index(last));
    selectionModel()->select(selection, QItemSelectionModel::Select);
    if (kept.current >= 0)
        selectionModel()->setCurrentIndex(mFiles->index(kept.current),
                                          QItemSelectionModel::NoUpdate);
    mFolder = folder;
    return {};
}

FileListBox::ChosenRows FileListBox::chosenRows() const {
    ChosenRows chosen;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        chosen.selected.emplace_back(range.top(), range.bottom());
    chosen.current = currentIndex().isValid() ? currentIndex().row() : -1;
    return chosen;
}

void FileListBox::selectAll() {
    // One range: the view's own walks every row to skip hidden ones, and none is hidden here.
    if (count() > 0)
        selectionModel()->select(QItemSelection(mFiles->index(0), mFiles->index(count() - 1)),
                                 QItemSelectionModel::Select);
}

QList<QByteArray> FileListBox::selectedNames() const {
    const QList<QByteArray>& names = mFiles->names();
    const QItemSelection selection = selectionModel()->selection();
    // All of a folder selected is its names as they are, shared, not copied one by one.
    if (selection.size() == 1 && selection[0].top() == 0 && selection[0].bottom() == count() - 1)
        return names;
    // Ranges come in the order they were chosen, and may overlap.
    std::vector<bool> chosen(static_cast<std::size_t>(count()), false);
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            chosen[static_cast<std::size_t>(row)] = true;
    }
    QList<QByteArray> selected;
    for (int row = 0; row < count(); ++row) {
        if (chosen[static_cast<std::size_t>(row)])
            selected.push_back(names[row]);
    }
    return selected;
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    // A right press leaves the selection as it is: the pop-up menu adds what is selected.
    if (event->button() != Qt::RightButton)
        QListView::mousePressEvent(event);
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit addRequested();
        return;
    }
    QListView::keyPressEvent(event);
}

void FileListBox::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's menu opens on the press; the keyboard's opens here, at the current entry.
    if (event->reason() != QContextMenuEvent::Keyboard)
        return;
    const QModelIndex current = currentIndex();
    emit menuRequested(current.isValid() ? visualRect(current).center() : QPoint(0, 0));
}

void FileListBox::focusInEvent(QFocusEvent* event) {
    // An entry shows where the focus is, without changing the selection.
    if (!currentIndex().isValid() && count() > 0)
        selectionModel()->setCurrentIndex(mFiles->index(0), QItemSelectionModel::NoUpdate);
    QListView::focusInEvent(event);
}

// What a change of the selection repaints: the rows on the screen, at most. The view's own
// answer visits every row of the change, a million for a million selected.
QRegion FileListBox::visualRegionForSelection(const QItemSelection& selection) const {
    return selection.isEmpty() ? QRegion() : QRegion(viewport()->rect());
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace wypelark
