#include "list/DeletionListModel.h"

#include "list/SizeText.h"

#include <QFile>

#include <algorithm>
#include <functional>

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
        return index.column() == File ? QFile::decodeName(item.path) : sizeText(item.bytes);
    if (role == Qt::ToolTipRole && index.column() == Size)
        return megabyteText(item.bytes);
    return {};
}

QVariant DeletionListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case File:
        return QStringLiteral("File");
    case Size:
        return QStringLiteral("Size");
    default:
        return {};
    }
}

QByteArray DeletionListModel::path(int position) const {
    return mItems.at(static_cast<std::size_t>(position - 1)).path;
}

void DeletionListModel::appendNew(const std::vector<FoundFile>& files) {
    std::vector<const FoundFile*> fresh;
    QSet<QByteArray> seen;
    for (const FoundFile& file : files) {
        if (!mPaths.contains(file.path) && !seen.contains(file.path)) {
            seen.insert(file.path);
            fresh.push_back(&file);
        }
    }
    if (fresh.empty())
        return;
    beginInsertRows({}, count(), count() + static_cast<int>(fresh.size()) - 1);
    mItems.reserve(mItems.size() + fresh.size());
    for (const FoundFile* file : fresh) {
        mItems.push_back({file->path, file->size, file->identity});
        mPaths.insert(file->path);
    }
    endInsertRows();
}

QString DeletionListModel::shownPath(int position) const {
    return QFile::decodeName(mItems.at(static_cast<std::size_t>(position - 1)).path);
}

FileIdentity DeletionListModel::identity(int position) const {
    return mItems.at(static_cast<std::size_t>(position - 1)).identity;
}

void DeletionListModel::append(const QByteArray& path, qint64 size, const FileIdentity& identity) {
    const int row = count();
    beginInsertRows({}, row, row);
    mItems.push_back({path, size, identity});
    mPaths.insert(path);
    endInsertRows();
}

void DeletionListModel::remove(std::vector<int> positions) {
    std::sort(positions.begin(), positions.end(), std::greater<>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (const int position : positions) {
        if (position < 1 || position > count())
            continue;
        beginRemoveRows({}, position - 1, position - 1);
        mPaths.remove(mItems[static_cast<std::size_t>(position - 1)].path);
        mItems.erase(mItems.begin() + (position - 1));
        endRemoveRows();
    }
}

void DeletionListModel::keepOnly(const std::vector<int>& positions) {
    std::vector<int> others;
    for (int position = 1; position <= count(); ++position) {
        if (std::find(positions.begin(), positions.end(), position) == positions.end())
            others.push_back(position);
    }
    if (static_cast<int>(others.size()) == count()) {
        clear();
        return;
    }
    remove(others);
}

qint64 DeletionListModel::totalSize() const {
    qint64 total = 0;
    for (const Item& item : mItems)
        total += item.bytes;
    return total;
}

void DeletionListModel::clear() {
    beginResetModel();
    mItems.clear();
    mPaths.clear();
    endResetModel();
}

} // namespace wypelark
