// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FileListModel.h"

#include "engine/ReleaseAway.h"
#include "list/ShownName.h"

#include <utility>

namespace wypelark {

void FileListModel::setNames(QList<QByteArray> names) {
    beginResetModel();
    QList<QByteArray> before = std::exchange(mNames, std::move(names));
    endResetModel();
    releaseAway(std::move(before));
}

void FileListModel::appendNames(QList<QByteArray> names) {
    if (names.isEmpty())
        return;
    const auto first = static_cast<int>(mNames.size());
    beginInsertRows({}, first, first + static_cast<int>(names.size()) - 1);
    mNames.append(std::move(names));
    endInsertRows();
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(mNames.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QByteArray& name = mNames[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return shownName(name);
    case Qt::ToolTipRole:
        // Two names that look alike are told apart by their bytes.
        if (const QString bytes = escapedNameBytes(name); !bytes.isEmpty())
            return tr("Bytes: %1").arg(bytes);
        return {};
    case NameRole:
        return name;
    default:
        return {};
    }
}

} // namespace wypelark
