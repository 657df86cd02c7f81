// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/ShredCommand.h"
#include "control/WipeTexts.h"
#include "engine/ForwardingFileOperations.h"
#include "engine/StorageRemark.h"
#include "engine/WipeReport.h"
#include "record/RunRecordDocument.h"
#include "tests/support/SmallVolume.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowFixture.h"
#include "ui/FileListBox.h"
#include "ui/FloatProgressBar.h"
#include "ui/LauncherEntry.h"
#include "ui/ReportDialog.h"
#include "ui/RunRecordDialog.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <linux/magic.h>
#include <sstream>
#include <unistd.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

struct ButtonStates {
    bool deleteOn;
    bool pauseOn;
    bool exitOn;
    bool stopRequested;
    bool operator==(const ButtonStates&) const = default;
};

std::ostream& operator<<(std::ostream& os, const ButtonStates& s) {
    return os << "Delete " << s.deleteOn << ", Pause " << s.pauseOn << ", Exit " << s.exitOn
              << ", stop " << s.stopRequested;
}

constexpr ButtonStates JustOpened{true, true, true, false};
constexpr ButtonStates RunActive{false, true, false, false};
constexpr ButtonStates PausePressed{true, false, true, true};
constexpr ButtonStates RunEnded{true, true, true, false};

class Commands : public WindowFixture {
protected:
    void SetUp() override {
        openWindow();
        window->show();
    }
    ButtonStates states() const {
        return {button(1)->isEnabled(), button(2)->isEnabled(), button(6)->isEnabled(),
                controller->session().stopAsked()};
    }
    void setPasses(int passes) { control<QSlider>("sliDelete")->setValue(passes); }
    float overall() { return control<FloatProgressBar>("prgOverall")->valueF(); }
};

TEST_F(Commands, aCompletedRunPassesThroughTheTableAndDestroysTheFiles) {
    addFiles({{"a", 120000}, {"b", 30}});
    setPasses(3);
    EXPECT_EQ(states(), JustOpened);
    std::vector<ButtonStates> during;
    bool closed = true;
    QString refusal;
    files.onWrite = [&](int n) {
        if (n == 1) {
            during.push_back(states());
            closed = window->close();
            refusal = statusText();
        }
    };

    click(1);

    ASSERT_EQ(during.size(), 1u);
    EXPECT_EQ(during[0], RunActive);
    EXPECT_FALSE(closed); // closing is refused while the run is active, and says why
    EXPECT_EQ(refusal, WipeTexts::closeRefusedStatus());
    EXPECT_EQ(states(), RunEnded);
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_FALSE(fs::exists(dir.file("b")));
    EXPECT_EQ(controller->list().count(), 0);
    EXPECT_TRUE(fileListNames().isEmpty());
    EXPECT_EQ(overall(), control<FloatProgressBar>("prgOverall")->maximumF());
    auto* current = control<FloatProgressBar>("prgCurrent");
    EXPECT_EQ(current->valueF(), current->maximumF());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window->isVisible());
}

// Where a continued run writes is the engine's, checked there; here the buttons and the close.
TEST_F(Commands, pauseStopsAfterTheNextWriteAndDeleteContinues) {
    addFiles({{"a", 120000}, {"b", 70000}});
    setPasses(2);

    std::vector<ButtonStates> afterPause;
    bool closeAllowed = false;
    files.onWrite = [&](int n) {
        if (n == 4) {
            click(2);
            afterPause.push_back(states());
            closeAllowed = !window->Form_Unload();
            click(1); // a Delete inside the run's yield must not enter the run again
            afterPause.push_back(states());
        }
    };
    click(1);

    ASSERT_EQ(afterPause.size(), 2u);
    EXPECT_EQ(afterPause[0], PausePressed);
    EXPECT_EQ(afterPause[1], PausePressed);
    EXPECT_TRUE(closeAllowed);
    EXPECT_EQ(files.writes.size(), 4u); // the write after the Pause was the last
    EXPECT_EQ(states(), PausePressed);
    EXPECT_EQ(controller->session().state(), RunState::Paused);
    EXPECT_EQ(controller->list().count(), 2);
    EXPECT_TRUE(fs::exists(dir.file("a")));
    const float overallAtStop = overall();
    // The dock shows the run's progress, and keeps it while the run is paused.
    const auto dockShows = [this] {
        const QDBusMessage& last = launcherSignals.back();
        EXPECT_EQ(last.interface(), QStringLiteral("com.canonical.Unity.LauncherEntry"));
        EXPECT_EQ(last.arguments().at(0).toString(), QLatin1String(LauncherEntry::AppUri));
        return last.arguments().at(1).toMap();
    };
    ASSERT_FALSE(launcherSignals.empty());
    EXPECT_TRUE(dockShows().value(QStringLiteral("progress-visible")).toBool());
    EXPECT_NEAR(dockShows().value(QStringLiteral("progress")).toDouble(), 170000.0 / 380000.0,
                0.002);

    files.onWrite = nullptr;
    click(1);
    EXPECT_FALSE(dockShows().value(QStringLiteral("progress-visible")).toBool());

    EXPECT_EQ(files.writes.size(), 10u);
    // The overall bar follows the bytes: a whole pass of a and the first block of the next.
    const float overallEnd = control<FloatProgressBar>("prgOverall")->maximumF();
    EXPECT_NEAR(overallAtStop / overallEnd, 170000.0 / 380000.0, 0.002);
    EXPECT_EQ(overall(), overallEnd);
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_FALSE(fs::exists(dir.file("b")));
    EXPECT_EQ(controller->list().count(), 0);
    EXPECT_EQ(states(), RunEnded);
}

TEST_F(Commands, aFileWhoseNameIsNotUtf8IsListedAddedAndDestroyed) {
    const std::string name = "r\xe9sum\xe9\xff.doc";
    dir.makeFile(name, 70000);
    control<FileListBox>("filFiles")->refresh();
    control<FileListBox>("filFiles")->selectAll();
    window->mnuPopUpAdd_Click();
    ASSERT_EQ(controller->list().count(), 1);
    EXPECT_EQ(controller->list().path(1), folder() + "/" + QByteArray::fromStdString(name));

    click(1);

    EXPECT_FALSE(fs::exists(dir.file(name)));
    EXPECT_EQ(files.writes.size(), 2u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Commands, deleteOverAnEmptyListSaysSoAndStartsNothing) {
    click(1);

    EXPECT_EQ(statusText(), QStringLiteral("The list is empty: add files first"));
    EXPECT_EQ(overall(), 0);
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_EQ(states(), JustOpened);
}

TEST_F(Commands, aFreshRunAsksFirstAndCancelChangesNothingWhileContinuingDoesNotAsk) {
    addFiles({{"a", 120000}, {"b", 30}});
    setPasses(3);
    messages.confirmAnswer = false;

    click(1);

    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(
        messages.questions[0],
        QStringLiteral("Destroy 2 files (120.0 kB) with 3 passes? This cannot be undone."
                       "\n    %1\n    %2")
            .arg(QString::fromStdString(dir.file("a")), QString::fromStdString(dir.file("b"))));
    EXPECT_TRUE(files.writes.empty());
    EXPECT_EQ(controller->list().count(), 2);
    EXPECT_EQ(states(), JustOpened);

    messages.confirmAnswer = true;
    files.onWrite = [&](int n) {
        if (n == 1)
            click(2);
    };
    click(1); // asks again, and starts
    ASSERT_EQ(controller->session().state(), RunState::Paused);
    files.onWrite = nullptr;
    click(1); // continues without asking

    EXPECT_EQ(messages.questions.size(), 2u);
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_FALSE(fs::exists(dir.file("b")));
}

// Reads every file back with its first byte changed, as a device that lost a pass would.
// Every file whose name ends in "a" reads back with its first byte changed.
class ChangedReadBack final : public ForwardingFileOperations {
public:
    using ForwardingFileOperations::ForwardingFileOperations;
    std::error_code readBack(const std::string& path, const FileIdentity& identity,
                             const ReadChunk& chunk, bool& bypassedCache) override {
        return inner().readBack(
            path, identity,
            [&](std::int64_t offset, const char* data, std::size_t size) {
                std::string changed(data, size);
                if (offset == 0 && size > 0 && path.ends_with('a'))
                    changed[0] = 'x';
                return chunk(offset, changed.data(), size);
            },
            bypassedCache);
    }
};

TEST_F(Commands, aFileThatReadsBackOtherThanTheFillIsKeptAndNamedAndTheChoiceIsRemembered) {
    ChangedReadBack changed(files);
    openWindow(&changed);
    addFiles({{"a", 1000}});
    messages.choiceMade = true;
    click(1);
    EXPECT_TRUE(fs::exists(dir.file("a")));
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_TRUE(messages.shown.back().text.contains(QString::fromStdString(dir.file("a"))));

    controller->waitForSettingsSaved();
    messages.choiceMade.reset();
    click(1);
    EXPECT_EQ(messages.choicesOffered, (std::vector<bool>{false, true}));
}

// The record of the run names every file with what became of it, in the window's table, in the
// PDF and in the JSON kept.
TEST_F(Commands, theRunRecordNamesEveryFileWithItsOutcomeInTheTablePdfAndJson) {
    ChangedReadBack changed(files);
    openWindow(&changed);
    auto* record = control<QAction>("mnuListRecord");
    EXPECT_FALSE(record->isEnabled());
    dir.makeFile("b\u202e", 2000);
    addFiles({{"a", 1000}});
    controller->addPaths({QByteArray::fromStdString(dir.file("b\u202e"))}, {});
    messages.choiceMade = true;
    click(1);
    ASSERT_TRUE(record->isEnabled());
    EXPECT_TRUE(messages.shown.back().text.contains(QStringLiteral("Run Record")));

    record->trigger();
    auto* dialog = window->findChild<RunRecordDialog*>();
    ASSERT_NE(dialog, nullptr);
    const QTableWidget& table = dialog->table();
    ASSERT_EQ(table.rowCount(), 2);
    const QString shownB = QString::fromStdString(printablePath(dir.file("b\u202e")));
    EXPECT_TRUE(table.item(0, 0)->text().startsWith(shownB));
    EXPECT_EQ(table.item(0, 5)->text(), QStringLiteral("destroyed"));
    EXPECT_EQ(table.item(0, 2)->text(), QStringLiteral("1"));
    EXPECT_EQ(table.item(1, 5)->text(), QStringLiteral("not destroyed"));
    EXPECT_TRUE(table.item(1, 6)->text().contains(QStringLiteral("read back differs")));

    const QString pdf = QString::fromStdString(dir.file("record.pdf"));
    const QString json = QString::fromStdString(dir.file("record.json"));
    EXPECT_EQ(RunRecordDocument(dialog->sheet()).writePdf(pdf), QString());
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF-"));
    const QString text = RunRecordDocument(dialog->sheet()).plainText();
    EXPECT_TRUE(text.contains(shownB)) << text.toStdString();
    EXPECT_FALSE(text.contains(QChar(0x202e))); // the name cannot turn the text around
    EXPECT_TRUE(text.contains(QString::fromStdString(dir.file("a"))));
    EXPECT_TRUE(text.contains(QStringLiteral("not destroyed")));
    EXPECT_EQ(RunSheet::save(json, dialog->sheet().json()), QString());
    QFile jsonFile(json);
    ASSERT_TRUE(jsonFile.open(QIODevice::ReadOnly));
    const QJsonArray kept =
        QJsonDocument::fromJson(jsonFile.readAll())[QStringLiteral("files")].toArray();
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept[0][QStringLiteral("path")].toString().toStdString(), dir.file("b\u202e"));
    EXPECT_EQ(kept[0][QStringLiteral("outcome")].toString(), QStringLiteral("destroyed"));
    EXPECT_EQ(kept[1][QStringLiteral("path")].toString(), QString::fromStdString(dir.file("a")));
    EXPECT_EQ(kept[1][QStringLiteral("outcome")].toString(), QStringLiteral("not_destroyed"));
    // It is the command line's document: the same fields, the lists by outcome included.
    const QJsonObject window =
        QJsonDocument::fromJson(readWhole(json.toStdString()).c_str()).object();
    EXPECT_EQ(window[QStringLiteral("failed")][0][QStringLiteral("step")].toString(),
              QStringLiteral("verify"));
    std::ostringstream out, err;
    CommandContext cli{.files = files,
                       .out = out,
                       .err = err,
                       .startFolder = "/",
                       .writePdf = {},
                       .trashPlaces = {}};
    const QByteArray cliRecord = QByteArray::fromStdString(dir.file("cli.json"));
    const std::string named = dir.makeFile("c", 10);
    files.rule.named({named}); // as the command line names it
    runShredCommand({"--report-file", cliRecord, QByteArray::fromStdString(named)}, cli);
    EXPECT_EQ(QJsonDocument::fromJson(readWhole(cliRecord.toStdString()).c_str()).object().keys(),
              window.keys());

    // On a volume too full for them, the PDF and the JSON fail with a reason, and the records
    // there before stay as they were.
    fs::create_directory(dir.path() / "full");
    const SmallVolume full(dir.file("full"), "64k");
    if (!full.mounted())
        GTEST_SKIP() << full.why();
    const std::string oldPdf = dir.makeFile("full/record.pdf", 10, 'p');
    const std::string oldJson = dir.makeFile("full/record.json", 10, 'j');
    full.fill();
    EXPECT_NE(RunRecordDocument(dialog->sheet()).writePdf(QString::fromStdString(oldPdf)),
              QString());
    EXPECT_NE(RunSheet::save(QString::fromStdString(oldJson), dialog->sheet().json()), QString());
    EXPECT_EQ(readWhole(oldPdf), std::string(10, 'p'));
    EXPECT_EQ(readWhole(oldJson), std::string(10, 'j'));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "full"), fs::directory_iterator()),
              3);
}

TEST_F(Commands, rowsAreRemovedFromTheListOnlyWhileNoRunIsUnderWay) {
    addFiles({{"a", 120000}, {"b", 30}, {"c", 30}});
    auto* list = control<QTableView>("lvwList");
    const auto pressDeleteOnRow = [&](int row) {
        list->setFocus();
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect |
                                           QItemSelectionModel::Rows);
        QTest::keyClick(list, Qt::Key_Delete);
    };
    std::vector<int> countsDuringRun;
    files.onWrite = [&](int n) {
        if (n == 1) {
            pressDeleteOnRow(1);
            control<QAction>("mnuListClear")->trigger();
            countsDuringRun.push_back(controller->list().count());
            click(2);
        }
    };
    click(1);
    pressDeleteOnRow(1); // paused
    control<QAction>("mnuListClear")->trigger();
    countsDuringRun.push_back(controller->list().count());
    files.onWrite = nullptr;
    click(1);
    EXPECT_EQ(countsDuringRun, (std::vector<int>{3, 3}));
    EXPECT_FALSE(fs::exists(dir.file("b")));

    addFiles({{"d", 1}, {"e", 1}, {"f", 1}});
    pressDeleteOnRow(1);
    ASSERT_EQ(controller->list().count(), 2);
    EXPECT_EQ(controller->list().path(2), folder() + "/f");
    // With nothing selected, the key takes the current row, the one the focus marks.
    list->selectionModel()->clear();
    list->selectionModel()->setCurrentIndex(list->model()->index(1, 0),
                                            QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(controller->list().count(), 1);
    EXPECT_EQ(controller->list().path(1), folder() + "/d");
    control<QAction>("mnuListClear")->trigger();
    EXPECT_EQ(controller->list().count(), 0);
    EXPECT_TRUE(fs::exists(dir.file("e"))); // taken off the list, not destroyed
}

TEST_F(Commands, theWholeRoadCanBeDrivenFromTheKeyboard) {
    dir.makeFile("a", 70000);
    dir.makeFile("b", 30);
    control<FileListBox>("filFiles")->refresh();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* fileList = control<FileListBox>("filFiles");
    control<QWidget>("drvDrive")->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to the folders
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to the files
    ASSERT_EQ(QApplication::focusWidget(), fileList);
    QTest::keyClick(fileList, Qt::Key_Space);                   // select "a"
    QTest::keyClick(fileList, Qt::Key_Down, Qt::ShiftModifier); // and "b"
    QTest::keyClick(fileList, Qt::Key_Return);                  // add them
    QTest::keyClick(fileList, Qt::Key_Tab);                     // to the passes
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier); // Delete, confirmed

    EXPECT_EQ(controller->list().count(), 0);
    EXPECT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(files.writes.size(), 2u * 2 + 2); // two passes over both files
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_FALSE(fs::exists(dir.file("b")));
}

TEST_F(Commands, exitWhilePausedAsksNamingThePartlyOverwrittenFileAndCancelKeepsTheRun) {
    addFiles({{"a", 120000}});
    files.onWrite = [&](int n) {
        if (n == 1)
            click(2);
    };
    click(1);
    messages.confirmAnswer = false;

    click(6);

    ASSERT_EQ(messages.questions.size(), 2u);
    EXPECT_TRUE(messages.questions[1].contains(QString::fromStdString(dir.file("a"))));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(controller->session().state(), RunState::Paused);
}

TEST_F(Commands, aCloseInTheSameTurnAsPauseWaitsForTheStopAndThenAsks) {
    addFiles({{"a", 120000}});
    files.onWrite = [&](int n) {
        if (n == 1) {
            click(2);
            window->close();
        }
    };
    messages.confirmAnswer = true; // the fresh run's question
    click(1);
    messages.confirmAnswer = false;
    QCoreApplication::processEvents();

    ASSERT_EQ(messages.questions.size(), 2u);
    EXPECT_TRUE(messages.questions[1].contains(QString::fromStdString(dir.file("a"))));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(controller->session().state(), RunState::Paused);
}

TEST_F(Commands, everyControlHasANameForScreenReaders) {
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window.get())};
    QStringList unnamed;
    int controls = 0;
    while (!pending.empty()) {
        QAccessibleInterface* item = pending.back();
        pending.pop_back();
        for (int i = 0; i < item->childCount(); ++i)
            pending.push_back(item->child(i));
        const QAccessible::Role role = item->role();
        if (role == QAccessible::Separator || role == QAccessible::Grouping ||
            role == QAccessible::StaticText || role == QAccessible::Client ||
            role == QAccessible::Window || role == QAccessible::ToolBar ||
            role == QAccessible::ScrollBar || role == QAccessible::Row ||
            role == QAccessible::Cell || role == QAccessible::ListItem ||
            role == QAccessible::ColumnHeader || role == QAccessible::TreeItem ||
            role == QAccessible::Pane || item->state().invisible || !item->object() ||
            !item->object()->isWidgetType())
            continue;
        ++controls;
        if (item->text(QAccessible::Name).isEmpty())
            unnamed << item->object()->objectName() + QLatin1Char('/') +
                           QString::number(static_cast<int>(role), 16);
    }
    EXPECT_GE(controls, 11); // two bars, three lists, the drive box, the slider, four buttons
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char(' ')).toStdString();
}

TEST_F(Commands, pauseWhenIdleSetsTheFlagThatTheNextDeleteClears) {
    addFiles({{"a", 60000}});
    click(2);
    EXPECT_EQ(states(), PausePressed);

    click(1);

    EXPECT_EQ(files.writes.size(), 2u);
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_EQ(states(), RunEnded);
}

TEST_F(Commands, infoDuringARunOpensTheProductPageOnceOrShowsItsAddressAndTheRunGoesOn) {
    addFiles({{"a", 120000}});
    files.onWrite = [&](int n) {
        if (n == 1)
            click(4);
    };

    click(1);

    ASSERT_EQ(urls.opened.size(), 1);
    EXPECT_EQ(urls.opened[0].scheme(), QStringLiteral("https"));
    EXPECT_EQ(urls.opened[0].path(), QStringLiteral("/corvane/Wypelark"));
    EXPECT_EQ(files.writes.size(), 3u);
    EXPECT_FALSE(fs::exists(dir.file("a")));
    // No browser took it: the address is shown, to be copied.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(frmMain::ProductPage));
}

TEST_F(Commands, aSeparatorOrAnUnknownCaptionDoesNothing) {
    window->tlbMain_ButtonClick(button(3));
    window->tlbMain_ButtonClick(button(5));
    QAction stranger(QStringLiteral("delete"));
    window->tlbMain_ButtonClick(&stranger);
    EXPECT_EQ(states(), JustOpened);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Commands, exitClosesTheWindowWhenNoRunIsActive) {
    int unloads = 0;
    QObject::connect(window.get(), &frmMain::unloaded, window.get(), [&] { ++unloads; });
    click(6);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(unloads, 1);
}

TEST_F(Commands, closingAfterAPauseIsAllowedAndLeavesTheFileAsFarAsItGot) {
    addFiles({{"a", 120000}});
    files.onWrite = [&](int n) {
        if (n == 1)
            click(2);
    };
    click(1);

    EXPECT_TRUE(window->close());
    // As the program leaves it: the run's last write may hold its last page's bytes until then.
    window.reset();
    controller.reset();
    EXPECT_TRUE(fs::exists(dir.file("a")));
    const std::string content = readWhole(dir.file("a"));
    ASSERT_EQ(content.size(), 120000u);
    EXPECT_TRUE(content.substr(0, 50000) == std::string(50000, '0'));
    EXPECT_EQ(content[50000], 'x');
}

// What the listed files' volume keeps from an overwrite is said before the run, once per kind.
TEST_F(Commands, theQuestionNamesWhatTheFilesStorageKeepsOncePerKind) {
    FakeFileOperations flash;
    VolumeSpace space;
    space.storage = {BTRFS_SUPER_MAGIC, 1, DeviceKind::Flash};
    flash.setVolume({space});
    openWindow(&flash);
    addFiles({{"a", 10}, {"b", 20}});
    messages.confirmAnswer = false;

    click(1);

    ASSERT_EQ(messages.questions.size(), 1u);
    const QString& question = messages.questions[0];
    EXPECT_EQ(question.count(QStringLiteral("lie on flash storage")), 1) << question.toStdString();
    EXPECT_EQ(question.count(QStringLiteral("copy-on-write")), 1);
    EXPECT_FALSE(question.contains(QStringLiteral("in memory")));
}

// The drive box's menu fills the shown folder's volume; while paused the fill holds its space,
// Delete continues it, and an exit asks, then gives the space back.
TEST_F(Commands, wipeFreeSpaceAsksFirstHoldsTheSpaceWhilePausedAndGivesItBackOnExit) {
    FakeFileOperations volume;
    VolumeSpace space;
    space.availableBytes = space.unusedBytes = 1'000'000;
    volume.setVolume({space});
    openWindow(&volume);
    window->show();
    int yields = 0;
    QObject::connect(&controller->session(), &RunSession::yielding, window.get(), [&] {
        if (++yields == 3)
            click(2);
    });
    auto* wipeFree = control<QAction>("mnuDriveWipeFree");
    for (const bool exitWhilePaused : {false, true}) {
        SCOPED_TRACE(exitWhilePaused ? "exit while paused" : "continued");
        yields = 0;
        messages.questions.clear();
        wipeFree->trigger();

        ASSERT_EQ(messages.questions.size(), 1u);
        EXPECT_TRUE(messages.questions[0].contains(QString::fromUtf8(folder())));
        EXPECT_EQ(controller->session().state(), RunState::Paused);
        EXPECT_EQ(volume.fillFilesOpen(), 1);
        EXPECT_EQ(button(1)->text(), QStringLiteral("Continue"));
        EXPECT_TRUE(statusText().contains(QStringLiteral("holds 200.0 kB")))
            << statusText().toStdString();
        if (exitWhilePaused)
            click(6);
        else
            click(1);

        EXPECT_EQ(messages.questions.size(), exitWhilePaused ? 2u : 1u);
        EXPECT_EQ(window->isVisible(), !exitWhilePaused);
        EXPECT_NE(controller->session().state(), RunState::Paused);
        EXPECT_EQ(volume.fillFilesOpen(), 0);
        EXPECT_EQ(volume.fillHeld(), 0u);
        EXPECT_FALSE(volume.fillWentAstray());
        if (!exitWhilePaused) {
            EXPECT_TRUE(statusText().startsWith(QStringLiteral("Free space filled: 1 pass of")))
                << statusText().toStdString();
        }
    }
}

TEST_F(Commands, filesThatWereNotDestroyedAreNamedInOneMessageAfterTheRun) {
    addFiles({{"a", 10}, {"b", 10}});
    fs::remove(dir.file("a"));

    click(1);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessageBoxes::Kind::Critical);
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromStdString(dir.file("a"))));
    EXPECT_FALSE(messages.shown[0].text.contains(QString::fromStdString(dir.file("b"))));
    EXPECT_EQ(states(), RunEnded); // the same after the message as without one
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_FALSE(fs::exists(dir.file("b")));
    ASSERT_EQ(controller->list().count(), 1); // the file not destroyed stays listed
    EXPECT_EQ(controller->list().path(1), folder() + "/a");
}

TEST_F(Commands, aFileThatFailedStaysListedAloneAndTheNextDeleteDestroysIt) {
    addFiles({{"a", 70000}, {"busy", 70000}, {"c", 10}});
    // Another program writes to "busy" as long as the run does.
    files.onWrite = [&](int) { std::ofstream(dir.file("busy"), std::ios::app) << "more"; };
    click(1);
    ASSERT_EQ(controller->list().count(), 1);
    EXPECT_EQ(controller->list().path(1), folder() + "/busy");
    EXPECT_TRUE(fs::exists(dir.file("busy")));
    EXPECT_FALSE(fs::exists(dir.file("a")));

    files.onWrite = nullptr; // the other program is done
    click(1);

    EXPECT_FALSE(fs::exists(dir.file("busy")));
    EXPECT_EQ(controller->list().count(), 0);
    EXPECT_EQ(messages.shown.size(), 1u); // only the first run had something to say
}

// A file this user may not write is offered to the administrator; one that failed otherwise is
// not, and a declined offer leaves the file listed.
TEST_F(Commands, onlyAFileThatFailedForLackOfRightsIsOfferedToTheAdministrator) {
    addFiles({{"a", 10}, {"b", 10}});
    std::errc refusal = std::errc::permission_denied;
    files.openRefusal = [&](const std::string& path) {
        return path.ends_with("/a") ? std::make_error_code(refusal) : std::error_code();
    };
    click(1);
    EXPECT_EQ(messages.offers, std::vector<QString>{QStringLiteral("Destroy as Administrator…")});
    ASSERT_EQ(controller->list().count(), 1);

    refusal = std::errc::io_error;
    click(1);
    EXPECT_EQ(messages.offers.size(), 1u);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(fs::exists(dir.file("a")));
}

TEST_F(Commands, failuresFromBeforeAPauseAreShownWhenTheWindowClosesWhilePaused) {
    addFiles({{"a", 10}, {"b", 120000}});
    fs::remove(dir.file("a"));
    files.onWrite = [&](int n) {
        if (n == 1)
            click(2);
    };
    click(1);
    ASSERT_EQ(controller->session().state(), RunState::Paused);
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_TRUE(window->close());

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessageBoxes::Kind::Critical);
    EXPECT_TRUE(messages.shown[0].summary.startsWith(
        QStringLiteral("1 of 2 files could not be destroyed.\n\n%1\n    ")
            .arg(QString::fromStdString(dir.file("a")))));
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromStdString(dir.file("a"))));
}

TEST_F(Commands, theReportOfAThousandFailuresFitsTheScreenAndNoNameForgesALine) {
    WipeReport report;
    report.fileCount = 10000;
    for (int i = 0; i < 1000; ++i)
        report.failures.push_back(
            {"/home/someone/a rather long folder name/file" + std::to_string(i) + ".txt",
             WipeStep::Open, std::make_error_code(std::errc::io_error)});
    report.failures[7].path = "/x/evil\nThese files were destroyed:";
    const QString details = WipeTexts::reportDetails(report);

    const auto box = reportBox(window.get(), true, QStringLiteral("Wypelark"),
                               WipeTexts::reportMessage(report), details);
    box->show();

    EXPECT_TRUE(box->text().startsWith(QStringLiteral("1,000 of 10,000 files could not be "
                                                      "destroyed.\n\n/home/someone/")));
    EXPECT_LE(box->frameGeometry().width(), 1024);
    EXPECT_LE(box->frameGeometry().height(), 768);
    EXPECT_TRUE(details.contains(QStringLiteral("/x/evil\\x0aThese files")));
    EXPECT_EQ(details.count(QStringLiteral("These files were not destroyed:")), 1);
}

TEST_F(Commands, aDestroyedFileWithAnotherNameIsMentionedInAnInformationMessage) {
    addFiles({{"linked", 40}, {"plain", 40}});
    ASSERT_EQ(::link(dir.file("linked").c_str(), dir.file("other-name").c_str()), 0);

    click(1);

    EXPECT_FALSE(fs::exists(dir.file("linked")));
    EXPECT_FALSE(fs::exists(dir.file("plain")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessageBoxes::Kind::Information);
    const QString text = messages.shown[0].text;
    EXPECT_TRUE(text.contains(WipeTexts::storageReason(StorageReason::OtherNames)));
    EXPECT_TRUE(text.contains(QString::fromStdString(dir.file("linked"))));
    EXPECT_FALSE(text.contains(QString::fromStdString(dir.file("plain"))));
    EXPECT_EQ(states(), RunEnded);
}

class Selector : public WindowFixture {
protected:
    QSlider* slider() { return control<QSlider>("sliDelete"); }
    QString caption() { return control<QLabel>("lblStatus")->text(); }
};

TEST_F(Selector, eachPositionNamesItsMethodAndIsSaved) {
    openWindow();
    const std::pair<int, const char*> cases[] = {
        {2, "Might delete (Somewhat safe)"}, {9, "Might delete (Somewhat safe)"},
        {10, "Military delete (Safe)"},      {19, "Military delete (Safe)"},
        {20, "Secure delete (No recovery)"}, {1, "Quick delete (Not very safe)"}};
    for (const auto& [position, method] : cases) {
        slider()->setValue(position);
        EXPECT_EQ(caption(), QLatin1String(method)) << position;
        EXPECT_EQ(storedCount(), QString::number(position));
    }
}

TEST_F(Selector, theMethodTableLeavesTheCaptionForPositionsBelowOne) {
    EXPECT_EQ(frmMain::methodCaption(0, QStringLiteral("kept")), QStringLiteral("kept"));
    EXPECT_EQ(frmMain::methodCaption(-5, QStringLiteral("kept")), QStringLiteral("kept"));
    EXPECT_EQ(frmMain::methodCaption(21, QString()), QStringLiteral("Secure delete (No recovery)"));
}

struct StoredCase {
    const char* stored;
    int position;
    const char* method;
};

class StartUp : public Selector, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StartUp, restoresTheStoredCountWithinTheSliderRange) {
    const StoredCase& c = GetParam();
    if (c.stored)
        saveStoredCount(QString::fromUtf8(c.stored));

    openWindow();

    EXPECT_EQ(slider()->value(), c.position);
    EXPECT_EQ(caption(), QLatin1String(c.method));
    EXPECT_EQ(storedCount(), QString::number(c.position));
}

INSTANTIATE_TEST_SUITE_P(StoredTexts, StartUp,
                         ::testing::Values(StoredCase{"7", 7, "Might delete (Somewhat safe)"},
                                           StoredCase{"12.5", 12, "Military delete (Safe)"},
                                           StoredCase{"13.5", 14, "Military delete (Safe)"},
                                           StoredCase{" 15", 15, "Military delete (Safe)"},
                                           StoredCase{"letters", 1, "Quick delete (Not very safe)"},
                                           StoredCase{"", 1, "Quick delete (Not very safe)"},
                                           StoredCase{nullptr, 1, "Quick delete (Not very safe)"},
                                           StoredCase{"1", 1, "Quick delete (Not very safe)"},
                                           StoredCase{"99", 20, "Secure delete (No recovery)"},
                                           StoredCase{"-3", 1, "Quick delete (Not very safe)"},
                                           StoredCase{"30000000000", 1,
                                                      "Quick delete (Not very safe)"}));

TEST_F(Selector, aSecondWindowReadsBackTheSavedCount) {
    openWindow();
    slider()->setValue(3);
    window.reset();

    openWindow();

    EXPECT_EQ(slider()->value(), 3);
    EXPECT_EQ(caption(), QStringLiteral("Might delete (Somewhat safe)"));
}

} // namespace
