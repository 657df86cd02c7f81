// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FolderListBox.h"

#include "browse/DirectoryAccess.h"
#include "control/WaitingDirectoryAccess.h"
#include "engine/ReleaseAway.h"
#include "list/AddSelectedFiles.h"
#include "list/ShownName.h"

#include <QCoreApplication>
#include <QFocusFrame>
#include <QPointer>
#include <QStyle>

#include <memory>
#include <utility>

namespace wypelark {

namespace {

QList<QByteArray> ancestorsAndSelf(const QByteArray& folder) {
    QList<QByteArray> chain{"/"};
    qsizetype from = 1;
    while (from < folder.size()) {
        qsizetype slash = folder.indexOf('/', from);
        if (slash < 0)
            slash = folder.size();
        chain.push_back(folder.left(slash));
        from = slash + 1;
    }
    return chain;
}

QString lastName(const QByteArray& folder) {
    if (folder == "/")
        return QStringLiteral("/");
    return shownName(folder.mid(folder.lastIndexOf('/') + 1));
}

} // namespace

FolderListBox::FolderListBox(const DirectoryAccess& directories, QWidget* parent)
    : QListWidget(parent), mDirectories(directories), mFocusFrame(new QFocusFrame(this)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The folder is opened from the event loop, not inside the mouse's or the key's handler:
    // its listing may take a while, and the events handled meanwhile must find the list done
    // with the click.
    connect(this, &QListWidget::itemActivated, this, [this](const QListWidgetItem* item) {
        if (!item)
            return;
        const QByteArray path = item->data(PathRole).toByteArray();
        QMetaObject::invokeMethod(
            this, [this, path] { openPath(path); }, Qt::QueuedConnection);
    });
}

std::error_code FolderListBox::setPath(const QByteArray& path) {
    const QByteArray folder = normalizedFolder(path);
    const int ticket = ++mTicket;
    if (mFileNames)
        releaseAway(std::move(*std::exchange(mFileNames, std::nullopt)));
    mEarlyTicket = ticket;
    DirectoryListing listing = mDirectories.list(folder, earlyFiles(folder, ticket));
    if (mEarlyTicket == ticket)
        mEarlyTicket = 0;
    auto [subfolders, files] = partedNamesAway(std::move(listing.entries));
    // Another folder was chosen while this one was read: its listing stands.
    if (ticket != mTicket || listing.error) {
        releaseAway(std::move(files));
        emit earlyFilesDropped();
        return ticket != mTicket ? std::make_error_code(std::errc::operation_canceled)
                                 : listing.error;
    }
    // The files' names, a million in some folders, are the file list's to show, not this one's.
    if (mFileNames)
        releaseAway(std::move(*mFileNames));
    mFileNames = std::move(files);
    mListedChange = listing.changeStamp;

    clear();
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QList<QByteArray> chain = ancestorsAndSelf(folder);
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        auto* item = new QListWidgetItem(
            open, QString(depth * 2, QLatin1Char(' ')) + lastName(chain[depth]), this);
        item->setData(PathRole, chain[depth]);
        if (depth == chain.size() - 1)
            setCurrentItem(item);
    }
    const QString indent(chain.size() * 2, QLatin1Char(' '));
    for (const QByteArray& name : subfolders) {
        auto* item = new QListWidgetItem(closed, indent + shownName(name), this);
        item->setData(PathRole, fullPath(folder, name));
    }

    const bool changed = folder != mPath;
    mPath = folder;
    if (changed)
        emit pathChanged();
    return {};
}

std::optional<QList<QByteArray>> FolderListBox::takeFileNames() {
    return std::exchange(mFileNames, std::nullopt);
}

// The early files are told on this thread, from its event loop, while the listing is waited
// for; those that come once it has ended, or was overtaken, are dropped.
EarlyEntries FolderListBox::earlyFiles(const QByteArray& folder, int ticket) {
    // Read on this thread only; the listing's thread merely holds it.
    const auto box = std::make_shared<const QPointer<FolderListBox>>(this);
    return [box, folder, ticket](std::vector<DirectoryEntry> entries) {
        QList<QByteArray> files = partedNames(std::move(entries)).files;
        if (files.isEmpty())
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [box, folder, ticket, files = std::move(files)] {
                if (*box && (*box)->mEarlyTicket == ticket)
                    emit(*box)->filesArriving(folder, files);
            },
            Qt::QueuedConnection);
    };
}

void FolderListBox::focusInEvent(QFocusEvent* event) {
    mFocusFrame->setWidget(this);
    QListWidget::focusInEvent(event);
}

void FolderListBox::focusOutEvent(QFocusEvent* event) {
    mFocusFrame->setWidget(nullptr);
    QListWidget::focusOutEvent(event);
}

void FolderListBox::openPath(const QByteArray& path) {
    const bool reopened = path == mPath;
    const std::error_code error = setPath(path);
    if (error == std::errc::operation_canceled)
        return;
    if (error)
        emit openFailed(path, error);
    else if (reopened)
        emit pathChanged(); // opening the current folder again shows its files afresh
}

} // namespace wypelark
