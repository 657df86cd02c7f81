// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FileListModel.h"

#include "list/ShownName.h"

#include <thread>
#include <utility>

namespace wypelark {

void FileListModel::setNames(QList<QByteArray> names) {
    beginResetModel();
    QList<QByteArray> before = std::exchange(mNames, std::move(names));
    endResetModel();
    // A million names take a tenth of a second to free: not on the window's thread.
    if (before.size() > ReleasedAway)
        std::thread([before = std::move(before)]() mutable { before.clear(); }).detach();
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
