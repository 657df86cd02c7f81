// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/DeletionListModel.h"

#include "engine/ReleaseAway.h"
#include "list/ShownName.h"
#include "list/SizeText.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <utility>

namespace wypelark {

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
    if (role == Qt::DisplayRole)
        return index.column() == File ? shownName(item.path) : sizeText(item.bytes);
    if (role == Qt::ToolTipRole && index.column() == Size)
        return megabyteText(item.bytes);
    if (role == Qt::ToolTipRole && index.column() == File)
        return fileTip(item);
    if (role == FailureRole)
        return mFailures.value(item.path);
    return {};
}

// The name's exact bytes where its shown form escapes some, and why it was not destroyed.
QString DeletionListModel::fileTip(const Item& item) const {
    QStringList lines;
    if (const QString bytes = escapedNameBytes(item.path); !bytes.isEmpty())
        lines << shownName(item.path) << tr("Bytes: %1").arg(bytes);
    if (const QString failure = mFailures.value(item.path); !failure.isEmpty())
        lines << tr("Not destroyed: %1").arg(failure);
    return lines.join(QLatin1Char('\n'));
}

void DeletionListModel::markFailed(const QByteArray& path, const QString& reason) {
    const auto row = mRows.find(path);
    if (row == mRows.end())
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
    mFailures.removeIf([this](const auto& failure) { return !mRows.contains(failure.key()); });
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
    // One look-up per file: its row is claimed as it is seen, so a path given twice goes in once.
    const std::size_t listedRows = mItems.size();
    std::vector<const FoundFile*> fresh;
    growFor(listedRows + files.size());
    for (const FoundFile& file : files) {
        const auto row = mRows.constFind(file.path);
        if (row == mRows.cend()) {
            mRows.insert(file.path, listedRows + fresh.size());
            fresh.push_back(&file);
        } else if (row.value() < listedRows && listed == ListedPaths::TakeAgain) {
            takeAgain(row.value(), file.size, file.identity);
        }
    }
    if (fresh.empty())
        return;
    beginInsertRows({}, count(), count() + static_cast<int>(fresh.size()) - 1);
    for (const FoundFile* file : fresh)
        mItems.push_back({file->path, file->size, file->identity});
    endInsertRows();
}

// Room for the rows, grown as appending one by one would grow it: an exact reserve for each
// slice of a million appended would move every row again each time.
void DeletionListModel::growFor(std::size_t rows) {
    if (rows > mItems.capacity())
        mItems.reserve(std::max(rows, 2 * mItems.capacity()));
    if (const auto wanted = static_cast<qsizetype>(rows); wanted > mRows.capacity())
        mRows.reserve(std::max(wanted, 2 * mRows.capacity()));
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

void DeletionListModel::indexRows() {
    releaseAway(std::exchange(mRows, {}));
    mRows.reserve(static_cast<qsizetype>(mItems.size()));
    for (std::size_t row = 0; row < mItems.size(); ++row)
        mRows.insert(mItems[row].path, row);
}

QString DeletionListModel::shownPath(int position) const {
    return shownName(mItems.at(static_cast<std::size_t>(position - 1)).path);
}

qint64 DeletionListModel::size(int position) const {
    return mItems.at(static_cast<std::size_t>(position - 1)).bytes;
}

FileIdentity DeletionListModel::identity(int position) const {
    return mItems.at(static_cast<std::size_t>(position - 1)).identity;
}

void DeletionListModel::append(const QByteArray& path, qint64 size, const FileIdentity& identity) {
    const int row = count();
    beginInsertRows({}, row, row);
    mRows.insert(path, mItems.size());
    mItems.push_back({path, size, identity});
    endInsertRows();
}

void DeletionListModel::remove(std::vector<int> positions) {
    std::erase_if(positions, [this](int position) { return position < 1 || position > count(); });
    std::sort(positions.begin(), positions.end(), std::greater<>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    // Runs of neighbouring rows, the last first, so that the rows before each stay where they are.
    std::vector<std::pair<int, int>> runs; // first and last 0-based row
    for (const int position : positions) {
        if (!runs.empty() && runs.back().first == position)
            runs.back().first = position - 1;
        else
            runs.emplace_back(position - 1, position - 1);
    }
    // Each run moves the rows behind it: many runs are one pass over the list instead.
    if (runs.size() > ScatteredRuns) {
        std::vector<bool> keep(mItems.size(), true);
        for (const int position : positions)
            keep[static_cast<std::size_t>(position - 1)] = false;
        keepRows(keep, mItems.size() - positions.size());
        return;
    }
    for (const auto& [first, last] : runs) {
        beginRemoveRows({}, first, last);
        mItems.erase(mItems.begin() + first, mItems.begin() + last + 1);
        endRemoveRows();
    }
    if (!runs.empty()) {
        indexRows();
        forgetUnlistedFailures();
    }
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
    std::vector<Item> items;
    items.reserve(kept);
    for (std::size_t row = 0; row < mItems.size(); ++row) {
        if (keep[row])
            items.push_back(std::move(mItems[row]));
    }
    releaseAway(std::exchange(mItems, std::move(items)));
    indexRows();
    forgetUnlistedFailures();
    endResetModel();
}

qint64 DeletionListModel::totalSize() const {
    qint64 total = 0;
    for (const Item& item : mItems)
        total += item.bytes;
    return total;
}

void DeletionListModel::clear() {
    beginResetModel();
    std::vector<Item> items = std::exchange(mItems, {});
    QHash<QByteArray, std::size_t> rows = std::exchange(mRows, {});
    mFailures.clear();
    endResetModel();
    releaseAway(std::move(items));
    releaseAway(std::move(rows));
}

} // namespace wypelark
