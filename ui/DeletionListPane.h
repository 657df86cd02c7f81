// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QGroupBox>

class QAction;
class QMenu;
class QTableView;

namespace wypelark {

class WipeController;

// The deletion list with its menu: remove the selected rows, clear the list, and open the run's
// record once a run has left one.
class DeletionListPane final : public QGroupBox {
    Q_OBJECT

public:
    DeletionListPane(WipeController& controller, QWidget* parent);

    QTableView* view() const { return lvwList; }
    // The record of a run is there to be shown.
    void offerRecord();
    void removeSelected();

signals:
    void recordRequested();

private:
    void buildMenu();
    void showMenu(const QPoint& at);

    WipeController& mController;
    QTableView* lvwList = nullptr;
    QMenu* mnuList = nullptr;
    QAction* mnuListRemove = nullptr;
    QAction* mnuListClear = nullptr;
    QAction* mnuListRecord = nullptr;
};

} // namespace wypelark
