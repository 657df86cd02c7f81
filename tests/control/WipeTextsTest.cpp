// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WipeTexts.h"
#include "engine/WipeError.h"

#include <gtest/gtest.h>

#include <system_error>
#include <vector>

using namespace wypelark;

namespace {

using R = StorageReason;

TEST(WipeTexts, theReportNamesFailuresFirstThenEachStorageReasonOnceWithItsFiles) {
    WipeReport report;
    report.fileCount = 6;
    report.failures.push_back({"/x/bad", WipeStep::Open, {EIO, std::system_category()}});
    report.remarks = {{"/cow1", R::CopyOnWrite},
                      {"/net", R::NetworkOrFuse},
                      {"/cow2", R::CopyOnWrite},
                      {"/linked", R::OtherNames}};

    const QString text = WipeTexts::reportDetails(report);

    const QString failure = QStringLiteral("/x/bad\n    %1: error %2, %3\n")
                                .arg(WipeTexts::step(WipeStep::Open))
                                .arg(EIO)
                                .arg(QString::fromStdString(std::strerror(EIO)));
    EXPECT_TRUE(text.contains(failure)) << text.toStdString();
    const QString cow = WipeTexts::storageReason(R::CopyOnWrite);
    EXPECT_EQ(text.count(cow), 1);
    EXPECT_LT(text.indexOf(QStringLiteral("not destroyed")), text.indexOf(cow));
    EXPECT_TRUE(text.contains(cow + QStringLiteral("\n    /cow1\n    /cow2\n")));
    EXPECT_TRUE(
        text.contains(WipeTexts::storageReason(R::NetworkOrFuse) + QStringLiteral("\n    /net\n")));
    EXPECT_TRUE(
        text.contains(WipeTexts::storageReason(R::OtherNames) + QStringLiteral("\n    /linked\n")));
    EXPECT_FALSE(text.contains(WipeTexts::storageReason(R::Overlay)));

    report.failures.clear();
    EXPECT_FALSE(WipeTexts::reportDetails(report).contains(QStringLiteral("not destroyed")));
}

// A reason added to the engine without a sentence would reach a person as a bare code.
TEST(WipeTexts, everyReasonOfTheProgramsOwnHasASentenceAndAStableWord) {
    const QString unknown = WipeTexts::reason({9999, wipeCategory()});
    for (int value = static_cast<int>(WipeErrc::SymbolicLink);
         value <= static_cast<int>(WipeErrc::NotReached); ++value) {
        const std::error_code error{value, wipeCategory()};
        EXPECT_NE(WipeTexts::reason(error), unknown) << value;
        EXPECT_NE(reasonWord(error), "unknown") << value;
    }
    const RefusedFile link{"/x/link", WipeErrc::SymbolicLink};
    const QString refused = WipeTexts::refusedFiles({link});
    EXPECT_TRUE(refused.contains(QStringLiteral("/x/link\n    error 1001, Is a symbolic link")));
}

} // namespace

namespace {

// Ten files are named in a message; the eleventh is counted instead.
class NamedInMessage : public ::testing::TestWithParam<int> {};

TEST_P(NamedInMessage, areTheFirstTenAndTheRestAreCounted) {
    const int count = GetParam();
    DestroyPlan plan{count, {}, 1200000000, 3, count, {}, {}};
    WipeReport report;
    report.fileCount = count;
    std::vector<RefusedFile> refused;
    for (int at = 1; at <= count; ++at) {
        refused.push_back(
            {"/f" + QByteArray::number(at), make_error_code(std::errc::no_such_file_or_directory)});
        plan.firstFiles << QStringLiteral("/f%1").arg(at);
        plan.firstFolders << QStringLiteral("/d%1").arg(at);
        report.failures.push_back(
            {"/f" + std::to_string(at), WipeStep::Delete, {EPERM, std::system_category()}});
    }
    const QString question = WipeTexts::destroyQuestion(plan);
    const QString message = WipeTexts::reportMessage(report);
    const QString refusedMessage = WipeTexts::refusedFiles(refused);

    EXPECT_TRUE(
        question.startsWith(QStringLiteral("Destroy %1 files (1.2 GB) with 3 passes?").arg(count)))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("these folders are removed:\n    /d1\n")));
    EXPECT_TRUE(question.contains(QStringLiteral("\n    /f10")));
    EXPECT_TRUE(question.contains(QStringLiteral("\n    /d10")));
    EXPECT_TRUE(message.contains(QStringLiteral("/f10\n    was overwritten but could not be "
                                                "deleted: error 1")));
    EXPECT_TRUE(message.contains(QStringLiteral("immutable")));
    EXPECT_EQ(question.contains(QStringLiteral("/f11")), false);
    EXPECT_EQ(message.contains(QStringLiteral("/f11")), false);
    EXPECT_TRUE(refusedMessage.contains(QStringLiteral("/f10\n")));
    EXPECT_EQ(refusedMessage.contains(QStringLiteral("/f11")), false);
    EXPECT_EQ(refusedMessage.endsWith(QStringLiteral("and 1 more")), count > 10);
    EXPECT_EQ(question.count(QStringLiteral("and 1 more")), count > 10 ? 2 : 0);
    EXPECT_EQ(message.contains(QStringLiteral("1 more file was not destroyed")), count > 10);
}

INSTANTIATE_TEST_SUITE_P(Counts, NamedInMessage, ::testing::Values(10, 11));

} // namespace
