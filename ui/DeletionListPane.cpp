// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/DeletionListPane.h"

#include "control/WipeController.h"
#include "list/DeletionListModel.h"
#include "ui/FailedRowDelegate.h"
#include "ui/WidgetMaking.h"

#include <QAction>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QTableView>

#include <vector>

namespace wypelark {
DeletionListPane::DeletionListPane(WipeController& controller, QWidget* parent)
    : QGroupBox(tr("Files to Delete"), parent), mController(controller) {
    setObjectName(QStringLiteral("fraToDelete"));
    // A table without grid or row numbers, one row high per file: unlike a tree view, it does
    // not lay out all its rows again when rows are appended, which at a million took 0.1 s each.
    lvwList = named(new QTableView(this), "lvwList");
    lvwList->setGeometry(6, 18, 547, 178);
    lvwList->setModel(&mController.list());
    lvwList->setItemDelegate(new FailedRowDelegate(lvwList));
    lvwList->setShowGrid(false);
    lvwList->setWordWrap(false);
    lvwList->setTabKeyNavigation(false);
    lvwList->setCornerButtonEnabled(false);
    lvwList->verticalHeader()->hide();
    lvwList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvwList->verticalHeader()->setDefaultSectionSize(lvwList->fontMetrics().height() + 4);
    lvwList->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwList->setSortingEnabled(false);
    lvwList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwList->horizontalHeader()->setStretchLastSection(false);
    lvwList->horizontalHeader()->setHighlightSections(false);
    lvwList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lvwList->setColumnWidth(DeletionListModel::File, 445);
    lvwList->setColumnWidth(DeletionListModel::Size, 96);
    lvwList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvwList->setContextMenuPolicy(Qt::CustomContextMenu);
    lvwList->setAccessibleName(title());
    buildMenu();
}

void DeletionListPane::buildMenu() {
    mnuList = named(new QMenu(QStringLiteral("List"), this), "mnuList");
    mnuListRemove = named(mnuList->addAction(tr("Remove from List")), "mnuListRemove");
    // The Delete key itself: the standard Delete binding also holds Ctrl+D on X11, the toolbar's.
    mnuListRemove->setShortcut(QKeySequence(Qt::Key_Delete));
    mnuListClear = named(mnuList->addAction(tr("Clear List")), "mnuListClear");
    mnuList->addSeparator();
    mnuListRecord = named(mnuList->addAction(tr("Run Record…")), "mnuListRecord");
    mnuListRecord->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    mnuListRecord->setEnabled(false);
    // From anywhere in the window, without the menu.
    addAction(mnuListRecord);
    // The Delete key removes the selected rows while the list has the focus.
    auto* removeKey = new QShortcut(QKeySequence(Qt::Key_Delete), lvwList);
    removeKey->setContext(Qt::WidgetShortcut);
    connect(removeKey, &QShortcut::activated, this, &DeletionListPane::removeSelected);
    connect(lvwList, &QWidget::customContextMenuRequested, this, &DeletionListPane::showMenu);
    connect(mnuListRemove, &QAction::triggered, this, &DeletionListPane::removeSelected);
    connect(mnuListClear, &QAction::triggered, &mController, &WipeController::clearList);
    connect(mnuListRecord, &QAction::triggered, this, &DeletionListPane::recordRequested);
}

void DeletionListPane::offerRecord() {
    mnuListRecord->setEnabled(true);
}

// The selected rows; with none selected, the current row, which the focus frame marks and which
// looks chosen.
std::vector<int> DeletionListPane::chosenPositions() const {
    std::vector<int> positions;
    for (const QModelIndex& row : lvwList->selectionModel()->selectedRows())
        positions.push_back(row.row() + 1);
    if (positions.empty() && lvwList->currentIndex().isValid())
        positions.push_back(lvwList->currentIndex().row() + 1);
    return positions;
}

void DeletionListPane::removeSelected() {
    mController.removeFromList(chosenPositions());
}

void DeletionListPane::showMenu(const QPoint& at) {
    const bool editable = mController.listEditable();
    mnuListRemove->setEnabled(editable && !chosenPositions().empty());
    mnuListClear->setEnabled(editable && mController.list().count() > 0);
    mnuList->popup(lvwList->viewport()->mapToGlobal(at));
    for (QAction* entry : mnuList->actions()) {
        if (entry->isEnabled()) {
            mnuList->setActiveAction(entry);
            break;
        }
    }
}

} // namespace wypelark
