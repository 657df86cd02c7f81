// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/DeletionListModel.h"

#include "engine/ReleaseAway.h"
#include "list/ShownName.h"
#include "list/SizeText.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace wypelark {

DeletionListModel::DeletionListModel(QObject* parent) : QAbstractTableModel(parent) {
    mSweep.setInterval(0);
    connect(&mSweep, &QTimer::timeout, this, &DeletionListModel::sweepSlice);
}

int DeletionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int DeletionListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DeletionListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    // The texts are made when a view asks for them: only the rows on the screen are asked, so a
    // hundred thousand files are appended at once.
    const Item& item = mItems[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole && index.column() == File)
        return shownFile(item);
    if (role == Qt::DisplayRole)
        return sizeText(item.bytes);
    if (role == Qt::ToolTipRole && index.column() == Size)
        return megabyteText(item.bytes);
    if (role == Qt::ToolTipRole && index.column() == File)
        return fileTip(item);
    if (role == FailureRole)
        return mFailures.value(item.path);
    if (role == HeldRole)
        return isHeld(item);
    return {};
}

// A file taken from a Trash shows the path it had before beside its own.
QString DeletionListModel::shownFile(const Item& item) const {
    const QByteArray origin = mTrash.originOf(item.path);
    return origin.isEmpty() ? shownName(item.path)
                            : tr("%1 (was %2)").arg(shownName(item.path), shownName(origin));
}

// The name's exact bytes where its shown form escapes some, and why it was not destroyed.
QString DeletionListModel::fileTip(const Item& item) const {
    QStringList lines;
    if (const QByteArray origin = mTrash.originOf(item.path); !origin.isEmpty())
        lines << tr("Put in the Trash from %1").arg(shownName(origin));
    if (const QString bytes = escapedNameBytes(item.path); !bytes.isEmpty())
        lines << shownName(item.path) << tr("Bytes: %1").arg(bytes);
    if (const QString failure = mFailures.value(item.path); !failure.isEmpty())
        lines << tr("Not destroyed: %1").arg(failure);
    if (isHeld(item))
        lines << tr("Added during the run: kept for a later Delete");
    return lines.join(QLatin1Char('\n'));
}

void DeletionListModel::markFailed(const QByteArray& path, const QString& reason) {
    const std::optional<std::size_t> row = rowOf(path);
    if (!row)
        return;
    mFailures.insert(path, reason);
    const int at = static_cast<int>(*row);
    emit dataChanged(index(at, File), index(at, Size));
}

void DeletionListModel::clearMarks() {
    if (mFailures.isEmpty())
        return;
    mFailures.clear();
    emit dataChanged(index(0, File), index(count() - 1, Size));
}

void DeletionListModel::forgetUnlistedFailures() {
    mFailures.removeIf([this](const auto& failure) { return !contains(failure.key()); });
}

QVariant DeletionListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case File:
        return tr("File");
    case Size:
        return tr("Size");
    default:
        return {};
    }
}

QByteArray DeletionListModel::path(int position) const {
    return mItems.at(static_cast<std::size_t>(position - 1)).path;
}

void DeletionListModel::appendNew(std::span<const FoundFile> files, ListedPaths listed) {
    // One look-up per file: its serial is claimed as it is seen, so a path given twice goes in
    // once.
    const quint64 firstNew = mNextSerial;
    std::vector<const FoundFile*> fresh;
    growFor(mItems.size() + files.size());
    for (const FoundFile& file : files) {
        const auto entry = mSerials.find(file.path);
        if (entry != mSerials.end() && *entry >= firstNew)
            continue;
        if (entry != mSerials.end()) {
            if (const std::optional<std::size_t> row = rowOfSerial(*entry)) {
                if (listed == ListedPaths::TakeAgain)
                    takeAgain(*row, file.size, file.identity);
                continue;
            }
        }
        mSerials.insert(file.path, mNextSerial++);
        fresh.push_back(&file);
    }
    if (fresh.empty())
        return;
    beginInsertRows({}, count(), count() + static_cast<int>(fresh.size()) - 1);
    quint64 serial = firstNew;
    for (const FoundFile* file : fresh)
        mItems.push_back({file->path, file->size, file->identity, serial++});
    endInsertRows();
}

std::size_t DeletionListModel::firstRowFrom(quint64 serial) const {
    const auto row =
        std::lower_bound(mItems.begin(), mItems.end(), serial,
                         [](const Item& item, quint64 wanted) { return item.serial < wanted; });
    return static_cast<std::size_t>(row - mItems.begin());
}

bool DeletionListModel::isHeld(const Item& item) const {
    return item.serial >= mHeldFrom && item.serial < mHeldUntil;
}

void DeletionListModel::holdNewRows() {
    holdBetween(mNextSerial, NoSerial);
}

void DeletionListModel::endHold() {
    if (mHeldUntil == NoSerial)
        mHeldUntil = mNextSerial;
}

void DeletionListModel::releaseHeld() {
    holdBetween(NoSerial, NoSerial);
}

// Rows marked held before are shown again without the mark.
void DeletionListModel::holdBetween(quint64 from, quint64 until) {
    const bool marked = heldCount() > 0;
    mHeldFrom = from;
    mHeldUntil = until;
    if (marked)
        markHeldChanged();
}

void DeletionListModel::markHeldChanged() {
    if (!mItems.empty())
        emit dataChanged(index(0, File), index(count() - 1, Size));
}

bool DeletionListModel::held(int position) const {
    return isHeld(mItems.at(static_cast<std::size_t>(position - 1)));
}

int DeletionListModel::unheldCount() const {
    return static_cast<int>(firstRowFrom(mHeldFrom));
}

int DeletionListModel::heldCount() const {
    return static_cast<int>(firstRowFrom(mHeldUntil) - firstRowFrom(mHeldFrom));
}

std::optional<std::size_t> DeletionListModel::rowOf(const QByteArray& path) const {
    const auto entry = mSerials.constFind(path);
    return entry == mSerials.cend() ? std::nullopt : rowOfSerial(*entry);
}

std::optional<std::size_t> DeletionListModel::rowOfSerial(quint64 serial) const {
    const std::size_t row = firstRowFrom(serial);
    if (row == mItems.size() || mItems[row].serial != serial)
        return std::nullopt;
    return row;
}

// The entries of removed rows go a slice at each turn of the event loop; until then they name
// no row, and a path listed again meanwhile gets an entry of its own, which stays.
void DeletionListModel::sweepLater(std::vector<QByteArray> removedPaths) {
    if (mUnswept.empty())
        mUnswept = std::move(removedPaths);
    else
        mUnswept.insert(mUnswept.end(), std::make_move_iterator(removedPaths.begin()),
                        std::make_move_iterator(removedPaths.end()));
    if (!mUnswept.empty())
        mSweep.start();
}

void DeletionListModel::sweepSlice() {
    for (std::size_t swept = 0; swept < SweepSlice && !mUnswept.empty(); ++swept) {
        const auto entry = mSerials.constFind(mUnswept.back());
        if (entry != mSerials.cend() && !rowOfSerial(*entry))
            mSerials.erase(entry);
        mUnswept.pop_back();
    }
    if (mUnswept.empty()) {
        mSweep.stop();
        releaseAway(std::exchange(mUnswept, {}));
    }
}

// Room for the rows, grown as appending one by one would grow it: an exact reserve for each
// slice of a million appended would move every row again each time.
void DeletionListModel::growFor(std::size_t rows) {
    if (rows > mItems.capacity())
        mItems.reserve(std::max(rows, 2 * mItems.capacity()));
    if (const auto wanted = static_cast<qsizetype>(rows); wanted > mSerials.capacity())
        mSerials.reserve(std::max(wanted, 2 * mSerials.capacity()));
}

void DeletionListModel::takeAgain(std::size_t row, qint64 size, const FileIdentity& identity) {
    Item& item = mItems[row];
    if (item.identity == identity && item.bytes == size)
        return;
    item.identity = identity;
    item.bytes = size;
    const int at = static_cast<int>(row);
    emit dataChanged(index(at, File), index(at, Size));
}

QString DeletionListModel::shownPath(int position) const {
    return shownFile(mItems.at(static_cast<std::size_t>(position - 1)));
}

qint64 DeletionListModel::size(int position) const {
    return mItems.at(static_cast<std::size_t>(position - 1)).bytes;
}

FileIdentity DeletionListModel::identity(int position) const {
    return mItems.at(static_cast<std::size_t>(position - 1)).identity;
}

void DeletionListModel::append(const QByteArray& path, qint64 size, const FileIdentity& identity) {
    const FoundFile file{path, size, identity};
    appendNew(std::span(&file, 1));
}

// The positions are marked, not sorted: half a million scattered ones took 30 ms to sort.
void DeletionListModel::remove(const std::vector<int>& positions) {
    std::vector<bool> keep(mItems.size(), true);
    std::size_t removed = 0;
    for (const int position : positions) {
        if (position >= 1 && position <= count() && keep[static_cast<std::size_t>(position - 1)]) {
            keep[static_cast<std::size_t>(position - 1)] = false;
            ++removed;
        }
    }
    // Runs of neighbouring rows (first and last 0-based row). Each moves the rows behind it:
    // many runs are one pass over the list instead.
    std::vector<std::pair<int, int>> runs;
    for (std::size_t row = 0; row < keep.size(); ++row) {
        if (keep[row])
            continue;
        const int at = static_cast<int>(row);
        if (!runs.empty() && runs.back().second == at - 1) {
            runs.back().second = at;
            continue;
        }
        if (runs.size() == ScatteredRuns) {
            keepRows(keep, mItems.size() - removed);
            return;
        }
        runs.emplace_back(at, at);
    }
    std::vector<QByteArray> removedPaths;
    removedPaths.reserve(removed);
    // The last first, so that the rows before each stay where they are.
    std::reverse(runs.begin(), runs.end());
    for (const auto& [first, last] : runs) {
        beginRemoveRows({}, first, last);
        for (int row = first; row <= last; ++row)
            removedPaths.push_back(std::move(mItems[static_cast<std::size_t>(row)].path));
        mItems.erase(mItems.begin() + first, mItems.begin() + last + 1);
        endRemoveRows();
    }
    sweepLater(std::move(removedPaths));
    forgetUnlistedFailures();
}

void DeletionListModel::keepOnly(const std::vector<int>& positions) {
    std::vector<bool> keep(mItems.size(), false);
    std::size_t kept = 0;
    for (const int position : positions) {
        if (position >= 1 && position <= count() && !keep[static_cast<std::size_t>(position - 1)]) {
            keep[static_cast<std::size_t>(position - 1)] = true;
            ++kept;
        }
    }
    // A run that destroyed nothing changes nothing, and the views keep their place.
    if (kept < mItems.size())
        keepRows(keep, kept);
}

// One pass over the list, in order, and a reset: for changes all over it.
void DeletionListModel::keepRows(const std::vector<bool>& keep, std::size_t kept) {
    beginResetModel();
    std::vector<QByteArray> removedPaths;
    removedPaths.reserve(mItems.size() - kept);
    // Most kept: moved down in place, sparing a new list of a million rows and its page faults.
    // Few kept: moved to a list of their size, so that the old one's memory goes.
    const bool inPlace = kept >= mItems.size() / 2;
    std::vector<Item> fewer;
    if (!inPlace)
        fewer.reserve(kept);
    std::size_t next = 0;
    for (std::size_t row = 0; row < mItems.size(); ++row) {
        if (!keep[row])
            removedPaths.push_back(std::move(mItems[row].path));
        else if (!inPlace)
            fewer.push_back(std::move(mItems[row]));
        else if (next++ != row)
            mItems[next - 1] = std::move(mItems[row]);
    }
    if (inPlace)
        mItems.erase(mItems.begin() + static_cast<std::ptrdiff_t>(next), mItems.end());
    else
        releaseAway(std::exchange(mItems, std::move(fewer)));
    if (mItems.empty()) {
        // Nothing is left to find: the index goes whole.
        releaseAway(std::exchange(mSerials, {}));
        releaseAway(std::move(removedPaths));
        releaseAway(std::exchange(mUnswept, {}));
        mSweep.stop();
    } else {
        sweepLater(std::move(removedPaths));
    }
    forgetUnlistedFailures();
    endResetModel();
}

qint64 DeletionListModel::totalSize() const {
    return totalSize(count());
}

qint64 DeletionListModel::totalSize(int rows) const {
    qint64 total = 0;
    for (std::size_t row = 0; row < std::min(mItems.size(), static_cast<std::size_t>(rows)); ++row)
        total += mItems[row].bytes;
    return total;
}

void DeletionListModel::clear() {
    beginResetModel();
    std::vector<Item> items = std::exchange(mItems, {});
    QHash<QByteArray, quint64> serials = std::exchange(mSerials, {});
    std::vector<QByteArray> unswept = std::exchange(mUnswept, {});
    mSweep.stop();
    mFailures.clear();
    mTrash.clear();
    mHeldFrom = NoSerial;
    mHeldUntil = NoSerial;
    endResetModel();
    releaseAway(std::move(items));
    releaseAway(std::move(serials));
    releaseAway(std::move(unswept));
}

} // namespace wypelark
