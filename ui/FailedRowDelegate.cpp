// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FailedRowDelegate.h"

#include "list/DeletionListModel.h"

#include <QApplication>
#include <QStyle>

namespace wypelark {

void FailedRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // A file held out of the run under way is shown in italics, in the placeholder's colour.
    if (index.data(DeletionListModel::HeldRole).toBool()) {
        option->font.setItalic(true);
        option->palette.setColor(QPalette::Text, option->palette.color(QPalette::PlaceholderText));
    }
    if (index.column() != DeletionListModel::File ||
        index.data(DeletionListModel::FailureRole).toString().isEmpty())
        return;
    const QStyle* style = option->widget ? option->widget->style() : QApplication::style();
    option->icon = style->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, option->widget);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = QSize(12, 12);
}

} // namespace wypelark
