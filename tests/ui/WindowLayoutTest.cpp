// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/WindowFixture.h"
#include "ui/FloatProgressBar.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <cstdlib>
#include <tuple>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

struct Placement {
    const char* name;
    const char* container;
    QRect geometry;
};

class WindowLayout : public WindowFixture {
protected:
    void SetUp() override { openWindow(); }
};

TEST_F(WindowLayout, everyControlSitsInItsContainerAtItsPlace) {
    const Placement placements[] = {
        {"tlbMain", "frmMain", {0, 0, 565, 38}},
        {"fraPath", "frmMain", {3, 42, 559, 136}},
        {"drvDrive", "fraPath", {9, 18, 169, 21}},
        {"dirPath", "fraPath", {9, 45, 268, 81}},
        {"filFiles", "fraPath", {279, 42, 274, 84}},
        {"fraDelete", "frmMain", {3, 180, 559, 61}},
        {"lblStatus", "fraDelete", {15, 15, 526, 16}},
        {"sliDelete", "fraDelete", {6, 36, 541, 19}},
        {"fraToDelete", "frmMain", {3, 243, 559, 202}},
        {"lvwList", "fraToDelete", {6, 18, 547, 178}},
        {"lblCurrent", "frmMain", {6, 450, 553, 13}},
        {"prgCurrent", "frmMain", {3, 468, 559, 13}},
        {"lblOverall", "frmMain", {6, 486, 553, 13}},
        {"prgOverall", "frmMain", {3, 504, 559, 10}},
    };
    for (const Placement& p : placements) {
        const QWidget* widget = control<QWidget>(p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(p.container)) << p.name;
        // A label keeps its place across, and its middle; it may grow into the space above and
        // below to hold a line of its font.
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const QRect place = label->geometry();
            EXPECT_EQ(place.left(), p.geometry.left()) << p.name;
            EXPECT_EQ(place.width(), p.geometry.width()) << p.name;
            EXPECT_LE(std::abs(place.center().y() - p.geometry.center().y()), 1) << p.name;
            EXPECT_GE(place.height(), std::max(p.geometry.height(), label->fontMetrics().height()))
                << p.name;
        } else {
            EXPECT_EQ(widget->geometry(), p.geometry) << p.name;
        }
    }
    // The figures beside a progress caption never cover the caption's words.
    for (const auto& [caption, left, right] :
         {std::tuple{"lblCurrent", "lblCurrentFile", "lblCurrentFigure"},
          std::tuple{"lblOverall", "lblOverallRate", "lblOverallFigure"}}) {
        const auto* shown = control<QLabel>(caption);
        const int half = shown->fontMetrics().horizontalAdvance(shown->text()) / 2;
        EXPECT_LT(control<QLabel>(left)->geometry().right(), shown->geometry().center().x() - half)
            << left;
        EXPECT_GT(control<QLabel>(right)->geometry().left(), shown->geometry().center().x() + half)
            << right;
    }
    EXPECT_EQ(window->size(), QSize(565, 517));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Wypelark"));
    EXPECT_FALSE(window->windowIcon().isNull());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->windowType(), Qt::Tool); // no task-bar button
}

TEST_F(WindowLayout, captionsAndStartStates) {
    EXPECT_EQ(control<QGroupBox>("fraPath")->title(),
              QStringLiteral("Select Files and Folders to Delete"));
    EXPECT_EQ(control<QGroupBox>("fraDelete")->title(), QStringLiteral("Delete Method"));
    EXPECT_EQ(control<QGroupBox>("fraToDelete")->title(), QStringLiteral("Files to Delete"));
    EXPECT_EQ(control<QLabel>("lblCurrent")->text(), QStringLiteral("Current File Progress"));
    EXPECT_EQ(control<QLabel>("lblOverall")->text(), QStringLiteral("Overall Progress"));
    for (const char* label : {"lblCurrent", "lblOverall", "lblStatus"})
        EXPECT_TRUE(control<QLabel>(label)->alignment().testFlag(Qt::AlignHCenter)) << label;

    auto* slider = control<QSlider>("sliDelete");
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 20);
    EXPECT_EQ(slider->singleStep(), 1);
    EXPECT_EQ(slider->pageStep(), 5);
    EXPECT_EQ(slider->tickPosition(), QSlider::NoTicks);

    for (const char* name : {"prgCurrent", "prgOverall"}) {
        auto* bar = control<FloatProgressBar>(name);
        EXPECT_EQ(bar->minimumF(), 0) << name;
        EXPECT_EQ(bar->maximumF(), 100) << name;
        EXPECT_EQ(bar->valueF(), 0) << name;
    }

    auto* list = control<QTableView>("lvwList");
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("File"));
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
    EXPECT_EQ(list->columnWidth(0), 445);
    EXPECT_EQ(list->columnWidth(1), 96);
    EXPECT_FALSE(list->horizontalHeader()->isHidden());

    auto* menu = control<QMenu>("mnuPopUp");
    EXPECT_EQ(menu->title(), QStringLiteral("PopUp"));
    EXPECT_FALSE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->objectName(), QStringLiteral("mnuPopUpAdd"));
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Add Selected Files"));
}

TEST_F(WindowLayout, toolbarHoldsSixEntriesInOrderAllEnabled) {
    auto* toolbar = control<QToolBar>("tlbMain");
    const QList<QAction*> actions = toolbar->actions();
    ASSERT_EQ(actions.size(), 6);
    const QStringList captions{QStringLiteral("Delete"),
                               QStringLiteral("Pause"),
                               QString(),
                               QStringLiteral("Info"),
                               QString(),
                               QStringLiteral("Exit")};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(actions[i], button(i + 1));
        EXPECT_EQ(actions[i]->text(), captions[i]) << i + 1;
        EXPECT_EQ(actions[i]->isSeparator(), i == 2 || i == 4) << i + 1;
        EXPECT_TRUE(actions[i]->isEnabled()) << i + 1;
        EXPECT_FALSE(actions[i]->isCheckable()) << i + 1;
        if (!actions[i]->isSeparator()) {
            EXPECT_FALSE(actions[i]->icon().isNull()) << i + 1;
            EXPECT_FALSE(actions[i]->toolTip().isEmpty()) << i + 1;
            // One size for all: the widest caption's.
            const QWidget* button = toolbar->widgetForAction(actions[i]);
            EXPECT_EQ(button->width(), toolbar->widgetForAction(actions[0])->width()) << i + 1;
            EXPECT_GE(button->width(), button->sizeHint().width()) << i + 1;
        }
    }
    EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(toolbar->iconSize(), QSize(16, 16));
}

TEST_F(WindowLayout, focusMovesFromTheDriveBoxToTheDeletionList) {
    QStringList order;
    QWidget* start = control<QWidget>("drvDrive");
    QWidget* widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
            window->isAncestorOf(widget))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start);
    EXPECT_EQ(order, (QStringList{QStringLiteral("drvDrive"), QStringLiteral("dirPath"),
                                  QStringLiteral("filFiles"), QStringLiteral("sliDelete"),
                                  QStringLiteral("lvwList")}));
}

void waitUntilShown(const FloatProgressBar& bar, int step) {
    for (int tries = 0; tries < 100 && bar.value() != step; ++tries)
        QTest::qWait(10);
    EXPECT_EQ(bar.value(), step);
}

TEST(FloatProgressBar, readsBackExactlyAndRepaintsOnlyWhenTheShownStepChanges) {
    FloatProgressBar bar;
    bar.resize(559, 13);
    bar.setMaximumF(16777217.0f);
    bar.setValueF(0.1f);
    EXPECT_EQ(bar.maximumF(), 16777217.0f);
    EXPECT_EQ(bar.valueF(), 0.1f);
    int changes = 0;
    QObject::connect(&bar, &QProgressBar::valueChanged, &bar, [&] { ++changes; });
    bar.setMaximumF(120000000.0f);
    for (int pos = 50000; pos <= 120000000; pos += 50000)
        bar.setValueF(static_cast<float>(pos));
    EXPECT_EQ(bar.steps(), 559);
    EXPECT_LE(changes, 5);            // the loop takes a few frame intervals at most
    waitUntilShown(bar, bar.steps()); // the last value shows
    bar.setMaximumF(1);               // below the value: shown full, no failure
    bar.setValueF(0);
    waitUntilShown(bar, 0);
}

} // namespace
