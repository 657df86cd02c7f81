// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/AddSelectedFiles.h"
#include "engine/FileIdentity.h"
#include "engine/WipeError.h"
#include "list/DeletionListModel.h"
#include "list/PathScan.h"
#include "list/SizeText.h"
#include "tests/support/TempDir.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QLocale>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

QByteArray bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

QString cell(const DeletionListModel& list, int row, int column, int role = Qt::DisplayRole) {
    return list.data(list.index(row, column), role).toString();
}

struct SizeCase {
    qint64 bytes;
    const char* size;
    const char* megabytes;
};

class SizeTexts : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeTexts, showBytesPlainAndMegabytesWithOneDecimalAndGrouping) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(sizeText(GetParam().bytes), QLatin1String(GetParam().size));
    EXPECT_EQ(megabyteText(GetParam().bytes, english), QLatin1String(GetParam().megabytes));
}

INSTANTIATE_TEST_SUITE_P(Lengths, SizeTexts,
                         ::testing::Values(SizeCase{0, "0", "0.0 MB"},
                                           SizeCase{1536, "1536", "0.0 MB"},
                                           SizeCase{1048576, "1048576", "1.0 MB"},
                                           SizeCase{5000000, "5000000", "4.8 MB"},
                                           SizeCase{1100000000, "1100000000", "1,049.0 MB"},
                                           SizeCase{5000000000, "5000000000", "4,768.4 MB"},
                                           SizeCase{-1048576, "-1048576", "-1.0 MB"}));

TEST(SizeTexts, followTheLocalesSeparators) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(megabyteText(1100000000, german), QStringLiteral("1.049,0 MB"));
}

struct PathCase {
    QByteArray given;
    QByteArray base;
    QByteArray absolute; // the path taken against base
    const char* folder;  // and split into its folder and name
    const char* name;
};

class PathHelpers : public ::testing::TestWithParam<PathCase> {};

// A path that came in twisted must still name the same file, byte for byte: a lost or added
// segment would make the run touch another file.
TEST_P(PathHelpers, makePathsAbsoluteAndSplitThemWithoutChangingAName) {
    const PathCase& c = GetParam();
    const QByteArray absolute = absolutePath(c.given, c.base);
    EXPECT_EQ(absolute, c.absolute);
    const PathParts parts = splitPath(absolute.toStdString());
    EXPECT_EQ(parts.folder, c.folder);
    EXPECT_EQ(parts.name, c.name);
    EXPECT_EQ(
        fullPath(QByteArray::fromStdString(parts.folder), QByteArray::fromStdString(parts.name)),
        absolute);
}

INSTANTIATE_TEST_SUITE_P(Paths, PathHelpers,
                         ::testing::Values(PathCase{"a.txt", "/home/ann", "/home/ann/a.txt",
                                                    "/home/ann", "a.txt"},
                                           PathCase{"/etc//./x", "/home", "/etc/x", "/etc", "x"},
                                           PathCase{"./sub/../y", "/", "/sub/../y", "/sub/..", "y"},
                                           PathCase{"top", "/", "/top", "/", "top"},
                                           PathCase{"d/\xff\n name ", "/b/", "/b/d/\xff\n name ",
                                                    "/b/d", "\xff\n name "},
                                           PathCase{"-rf", "/h", "/h/-rf", "/h", "-rf"}));

class AddSelectedFilesTest : public ::testing::Test {
protected:
    TempDir dir;
    DeletionListModel list;
    QAbstractItemModelTester tester{&list, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QByteArray folder = bytes(dir.path().string());
};

TEST_F(AddSelectedFilesTest, nothingSelectedLeavesTheListUnchanged) {
    dir.makeFile("a", 1);
    const auto refused = AddSelectedFiles(folder, {{"a", false}}, list);
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(refused.empty());
}

TEST_F(AddSelectedFilesTest, appendsSelectedFilesInOrderEachWithItsOwnSize) {
    dir.makeFile("b", 1536);
    dir.makeFile("a", 0);
    dir.makeFile("c", 5000000);

    AddSelectedFiles(folder, {{"b", true}, {"skip", false}, {"a", true}, {"c", true}}, list);

    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.path(1), folder + "/b");
    EXPECT_EQ(list.path(2), folder + "/a");
    EXPECT_EQ(list.path(3), folder + "/c");
    EXPECT_EQ(cell(list, 0, DeletionListModel::Size), QStringLiteral("1536"));
    EXPECT_EQ(cell(list, 1, DeletionListModel::Size), QStringLiteral("0"));
    EXPECT_EQ(cell(list, 2, DeletionListModel::Size), QStringLiteral("5000000"));
    EXPECT_EQ(cell(list, 2, DeletionListModel::Size, Qt::ToolTipRole), QStringLiteral("4.8 MB"));
    EXPECT_EQ(cell(list, 0, DeletionListModel::File), QString::fromStdString(dir.file("b")));
}

TEST_F(AddSelectedFilesTest, aFileAlreadyListedIsSkippedSilentlyButCaseMatters) {
    dir.makeFile("a.txt", 1);
    dir.makeFile("A.txt", 2);
    dir.makeFile("b.txt", 3);
    AddSelectedFiles(folder, {{"a.txt", true}}, list);

    const auto refused =
        AddSelectedFiles(folder, {{"A.txt", true}, {"a.txt", true}, {"b.txt", true}}, list);

    EXPECT_TRUE(refused.empty());
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.path(2), folder + "/A.txt");
    EXPECT_EQ(list.path(3), folder + "/b.txt");
}

TEST_F(AddSelectedFilesTest, aSparseFileBeyondTwoGibibytesShowsItsTrueSize) {
    fs::resize_file(dir.makeFile("huge", 0), 1100000000);
    fs::resize_file(dir.makeFile("bigger", 0), 3000000000);

    AddSelectedFiles(folder, {{"huge", true}, {"bigger", true}}, list);

    EXPECT_EQ(cell(list, 0, DeletionListModel::Size), QStringLiteral("1100000000"));
    EXPECT_EQ(cell(list, 0, DeletionListModel::Size, Qt::ToolTipRole),
              QStringLiteral("1,049.0 MB"));
    EXPECT_EQ(cell(list, 1, DeletionListModel::Size), QStringLiteral("3000000000"));
}

TEST_F(AddSelectedFilesTest, aNameThatIsNotUtf8KeepsItsBytes) {
    const QByteArray name("caf\xe9-\xff.bin");
    dir.makeFile(name.toStdString(), 7);

    AddSelectedFiles(folder, {{name, true}}, list);

    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.path(1), folder + "/" + name);
    EXPECT_EQ(::access(list.path(1).constData(), F_OK), 0);
}

TEST_F(AddSelectedFilesTest, vanishedLinkedAndSpecialEntriesAreRefusedAndNotCreated) {
    const std::string target = dir.makeFile("target", 10);
    fs::create_symlink(target, dir.file("link"));
    fs::create_directory(dir.file("folder"));
    dir.makeFile("ok", 4);

    const auto refused = AddSelectedFiles(
        folder, {{"gone", true}, {"link", true}, {"folder", true}, {"ok", true}}, list);

    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.path(1), folder + "/ok");
    EXPECT_FALSE(fs::exists(dir.file("gone")));
    ASSERT_EQ(refused.size(), 3u);
    EXPECT_EQ(refused[0].error.value(), ENOENT);
    EXPECT_EQ(refused[1].error, make_error_code(WipeErrc::SymbolicLink));
    EXPECT_EQ(refused[2].error, make_error_code(WipeErrc::NotRegularFile));
}

TEST_F(AddSelectedFilesTest, clearEmptiesTheListAndItsIndex) {
    dir.makeFile("a", 1);
    AddSelectedFiles(folder, {{"a", true}}, list);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    AddSelectedFiles(folder, {{"a", true}}, list);
    EXPECT_EQ(list.count(), 1);
}

// An editor saves by renaming a new file onto the name: adding the path again takes that file,
// where the caller allows it, and only then.
TEST_F(AddSelectedFilesTest, aListedPathAddedAgainTakesTheFileNowThereWhenAllowed) {
    dir.makeFile("a", 1);
    AddSelectedFiles(folder, {{"a", true}}, list);
    const FileIdentity before = list.identity(1);
    dir.makeFile("a.new", 5);
    fs::rename(dir.file("a.new"), dir.file("a"));

    AddSelectedFiles(folder, {{"a", true}}, list);
    EXPECT_EQ(list.identity(1), before);
    list.appendNew(std::vector<FoundFile>{{bytes(dir.file("a")), 5, identityNow(dir.file("a"))}});
    EXPECT_EQ(list.identity(1), before);

    AddSelectedFiles(folder, {{"a", true}}, list, ListedPaths::TakeAgain);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.identity(1), identityNow(dir.file("a")));
    EXPECT_EQ(cell(list, 0, DeletionListModel::Size), QStringLiteral("5"));
}

// Neighbouring rows go in runs, scattered ones in one pass: either way the rest keep their order
// and each its path's place in the index; positions out of range or given twice change nothing.
TEST(DeletionList, removedRowsLeaveTheOthersInOrderAndFindable) {
    // Too scattered for a run each: half of the rows kept, and a third.
    std::vector<int> everyOther;
    std::vector<int> allButEveryThird;
    for (int position = 1; position <= 200; ++position) {
        if (position % 2 == 1)
            everyOther.push_back(position);
        if (position % 3 != 0)
            allButEveryThird.push_back(position);
    }
    for (const std::vector<int>& removed :
         {std::vector<int>{2, 3, 5, 9, 9, 0, 201}, everyOther, allButEveryThird}) {
        DeletionListModel rows;
        const QAbstractItemModelTester tester(&rows);
        std::vector<FoundFile> files;
        for (int file = 1; file <= 200; ++file)
            files.push_back({"/f" + QByteArray::number(file), file, {}});
        rows.appendNew(files);
        rows.remove(removed);
        int position = 1;
        for (int file = 1; file <= 200; ++file) {
            const QByteArray path = "/f" + QByteArray::number(file);
            const bool gone = std::find(removed.begin(), removed.end(), file) != removed.end();
            EXPECT_EQ(rows.contains(path), !gone) << file;
            if (!gone) {
                EXPECT_EQ(rows.path(position++), path);
            }
        }
        EXPECT_EQ(rows.count(), position - 1);
        // A removed path's entry names no row until it is swept: added again, each is listed once,
        // after those kept, and the sweep leaves its new entry.
        rows.appendNew(files);
        EXPECT_EQ(rows.count(), 200);
        int lastRemoved = 0;
        for (const int position : removed)
            lastRemoved = position <= 200 ? std::max(lastRemoved, position) : lastRemoved;
        EXPECT_EQ(rows.path(200), "/f" + QByteArray::number(lastRemoved));
        QCoreApplication::processEvents();
        EXPECT_TRUE(std::all_of(files.begin(), files.end(),
                                [&](const FoundFile& file) { return rows.contains(file.path); }));
    }
}

// A hundred thousand rows change in one pass each, never a row at a time: a run's end or a
// removal handled row by row moved every row behind each, the square of the list's size.
TEST(DeletionList, aHundredThousandRowsAreAddedKeptAndRemovedInOnePassEach) {
    constexpr int Rows = 100000;
    std::vector<FoundFile> files;
    std::vector<int> everyOther;
    for (int file = 1; file <= Rows; ++file) {
        files.push_back({"/f" + QByteArray::number(file), file, {}});
        if (file % 2 == 1)
            everyOther.push_back(file);
    }
    DeletionListModel rows;
    const QSignalSpy inserted(&rows, &QAbstractItemModel::rowsInserted);
    const QSignalSpy removed(&rows, &QAbstractItemModel::rowsRemoved);
    const QSignalSpy reset(&rows, &QAbstractItemModel::modelReset);
    struct Step {
        std::function<void()> change;
        qsizetype inserted, removed, resets;
        int rowsAfter;
    };
    const std::vector<Step> steps{
        {[&] { rows.appendNew(files); }, 1, 0, 0, Rows},
        {[&] { rows.appendNew(files); }, 1, 0, 0, Rows}, // all listed already
        {[&] { rows.remove(everyOther); }, 1, 0, 1, Rows / 2},
        {[&] { rows.appendNew(files); }, 2, 0, 1, Rows},
        {[&] { rows.keepOnly(everyOther); }, 2, 0, 2, Rows / 2},
    };
    for (std::size_t step = 0; step < steps.size(); ++step) {
        steps[step].change();
        EXPECT_EQ(inserted.count(), steps[step].inserted) << step;
        EXPECT_EQ(removed.count(), steps[step].removed) << step;
        EXPECT_EQ(reset.count(), steps[step].resets) << step;
        EXPECT_EQ(rows.count(), steps[step].rowsAfter) << step;
    }
}

} // namespace
