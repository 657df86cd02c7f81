// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"
#include "list/ListedPaths.h"
#include "list/PathScan.h"
#include "list/TrashOrigins.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTimer>

#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace wypelark {

// The files to destroy, in the order they were added: the full path (kept as the bytes the
// file system uses), and the size and the identity taken when the file was added.
class DeletionListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { File, Size, ColumnCount };
    // Why the last run did not destroy the item's file; empty when it did not fail.
    static constexpr int FailureRole = Qt::UserRole + 1;
    // Whether the item is held out of the run: it came after the question that started it.
    static constexpr int HeldRole = Qt::UserRole + 2;

    explicit DeletionListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(mItems.size()); }
    // The raw path of the item at a 1-based position.
    QByteArray path(int position) const;
    // The path as the list shows it, with the path it had before for a file taken from a Trash.
    QString shownPath(int position) const;
    // The item's size when it was added.
    qint64 size(int position) const;
    // Which file the item meant when it was added.
    FileIdentity identity(int position) const;
    bool contains(const QByteArray& path) const { return rowOf(path).has_value(); }
    void append(const QByteArray& path, qint64 size, const FileIdentity& identity);
    // Appends every file not listed yet, in order, at once; a listed path is skipped or taken
    // again.
    void appendNew(std::span<const FoundFile> files, ListedPaths listed = ListedPaths::Skip);
    void clear();
    // Removes the items at the given 1-based positions.
    void remove(const std::vector<int>& positions);
    // Removes every item but those at the given 1-based positions, which keep their order.
    void keepOnly(const std::vector<int>& positions);
    // Marks the item of the path as not destroyed, for the reason given, until the marks are
    // cleared or the item removed.
    void markFailed(const QByteArray& path, const QString& reason);
    void clearMarks();
    // Every row appended from now on is held out of the run: the rows listed now are those a
    // question names. Rows held before are held no more.
    void holdNewRows();
    // Rows appended from now on are not held; those held stay marked until the next hold.
    void endHold();
    // Nothing is held or marked held.
    void releaseHeld();
    bool held(int position) const;
    // The rows before the first held one: during a run, the rows its question named.
    int unheldCount() const;
    int heldCount() const;
    // Room for this many rows, grown as appending one by one would grow it, so that rows
    // appended in slices up to it are not moved again.
    void growFor(std::size_t rows);
    // Files taken from a Trash show the path they had before; its records are bound to them.
    void takeTrashEntries(const std::vector<TrashEntry>& entries) { mTrash.take(entries); }
    const TrashOrigins& trashOrigins() const { return mTrash; }
    // The sizes of all items, or of the first rows, as they were when added.
    qint64 totalSize() const;
    qint64 totalSize(int rows) const;

private:
    // More runs of neighbouring rows than this are removed by one pass and a reset.
    static constexpr std::size_t ScatteredRuns = 64;

    // Entries of removed rows taken out of the index at each turn of the event loop.
    static constexpr std::size_t SweepSlice = 20000;

    struct Item {
        QByteArray path;
        qint64 bytes;
        FileIdentity identity;
        quint64 serial; // grows from row to row: a row is found by it without being indexed
    };

    QString shownFile(const Item& item) const;
    QString fileTip(const Item& item) const;
    bool isHeld(const Item& item) const;

    std::optional<std::size_t> rowOf(const QByteArray& path) const;
    std::optional<std::size_t> rowOfSerial(quint64 serial) const;
    // The first row whose serial is serial or above.
    std::size_t firstRowFrom(quint64 serial) const;
    void holdBetween(quint64 from, quint64 until);
    void markHeldChanged();
    void sweepLater(std::vector<QByteArray> removedPaths);
    void sweepSlice();
    void forgetUnlistedFailures();
    void keepRows(const std::vector<bool>& keep, std::size_t kept);
    // The listed row takes the file now at its path.
    void takeAgain(std::size_t row, qint64 size, const FileIdentity& identity);

    std::vector<Item> mItems;
    TrashOrigins mTrash;
    // The serial of each listed path. A removal leaves the entries of its rows to be swept in
    // slices, so that no removal rebuilds it whole: an entry whose row is gone names no row.
    QHash<QByteArray, quint64> mSerials;
    quint64 mNextSerial = 0;
    // Rows whose serials are from mHeldFrom up to mHeldUntil are held out of the run.
    static constexpr quint64 NoSerial = std::numeric_limits<quint64>::max();
    quint64 mHeldFrom = NoSerial;
    quint64 mHeldUntil = NoSerial;
    std::vector<QByteArray> mUnswept; // paths of removed rows whose entries may still be there
    QTimer mSweep;
    // Why the last run did not destroy a listed path: apart from the rows, which seldom fail.
    QHash<QByteArray, QString> mFailures;
};

} // namespace wypelark
