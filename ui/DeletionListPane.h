// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QGroupBox>

#include <vector>

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
    // Takes the selected rows off the list, or the current row when none is selected.
    void removeSelected();

signals:
    void recordRequested();

private:
    void buildMenu();
    void showMenu(const QPoint& at);
    std::vector<int> chosenPositions() const;

    WipeController& mController;
    QTableView* lvwList = nullptr;
    QMenu* mnuList = nullptr;
    QAction* mnuListRemove = nullptr;
    QAction* mnuListClear = nullptr;
    QAction* mnuListRecord = nullptr;
};

} // namespace wypelark
