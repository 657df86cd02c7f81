// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>

namespace wypelark {

// The names of one folder's files, as the file system's bytes. The shown text and the tooltip
// are made when a view asks for them, for the rows on the screen only: a folder of a million
// files is shown at once.
class FileListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int NameRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    void setNames(QList<QByteArray> names);
    void appendNames(QList<QByteArray> names);
    const QList<QByteArray>& names() const { return mNames; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<QByteArray> mNames;
};

} // namespace wypelark
