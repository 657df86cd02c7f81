// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QStyledItemDelegate>

namespace wypelark {

// Draws a warning sign before the name of a listed file that the last run did not destroy, and
// the name of a file held out of the run under way in italics; the tooltip says why.
class FailedRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace wypelark
