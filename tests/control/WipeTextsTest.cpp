// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WipeTexts.h"
#include "control/Translations.h"
#include "engine/WipeError.h"

#include <QCoreApplication>
#include <QTranslator>

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

namespace {

// The words a person meets first, per language: the method captions, the toolbar, the count
// beside the slider (a nominative, where a language has cases), and Qt's own buttons, which
// come from Qt's translations and so prove those are installed and loaded.
struct GlossaryEntry {
    const char* language;
    const char* context;
    const char* source;
    const char* disambiguation;
    int count;
    const char* expected;
};

constexpr const char* window = "wypelark::frmMain";
constexpr const char* alone = "standing alone, beside the slider";

const GlossaryEntry glossary[] = {
    {"pl", window, "Quick delete (Not very safe)", nullptr, -1,
     "Szybkie usuwanie (niezbyt bezpieczne)"},
    {"pl", window, "Might delete (Somewhat safe)", nullptr, -1,
     "Możliwe usunięcie (dość bezpieczne)"},
    {"pl", window, "Military delete (Safe)", nullptr, -1, "Wojskowe usuwanie (bezpieczne)"},
    {"pl", window, "Secure delete (No recovery)", nullptr, -1,
     "Bezpieczne usuwanie (bez odzyskania)"},
    {"pl", window, "Delete", nullptr, -1, "Usuń"},
    {"pl", window, "Continue", nullptr, -1, "Kontynuuj"},
    {"pl", window, "Pause", nullptr, -1, "Wstrzymaj"},
    {"pl", window, "Info", nullptr, -1, "Informacje"},
    {"pl", window, "Exit", nullptr, -1, "Zakończ"},
    {"pl", "WipeTexts", "%Ln passes", alone, 8, "8 przebiegów"},
    {"pl", "QPlatformTheme", "Cancel", nullptr, -1, "Anuluj"},
    {"pl", "QPlatformTheme", "Close", nullptr, -1, "Zamknij"},
    {"de", window, "Quick delete (Not very safe)", nullptr, -1,
     "Schnelles Löschen (nicht sehr sicher)"},
    {"de", window, "Might delete (Somewhat safe)", nullptr, -1,
     "Mögliches Löschen (einigermaßen sicher)"},
    {"de", window, "Military delete (Safe)", nullptr, -1, "Militärisches Löschen (sicher)"},
    {"de", window, "Secure delete (No recovery)", nullptr, -1,
     "Sicheres Löschen (keine Wiederherstellung)"},
    {"de", window, "Delete", nullptr, -1, "Löschen"},
    {"de", window, "Continue", nullptr, -1, "Fortsetzen"},
    {"de", window, "Pause", nullptr, -1, "Anhalten"},
    {"de", window, "Info", nullptr, -1, "Info"},
    {"de", window, "Exit", nullptr, -1, "Beenden"},
    {"de", "WipeTexts", "%Ln passes", alone, 8, "8 Durchgänge"},
    {"de", "QPlatformTheme", "Cancel", nullptr, -1, "Abbrechen"},
    {"de", "QPlatformTheme", "Close", nullptr, -1, "Schließen"},
};

TEST(Translations, eachLanguageKeepsItsGlossaryAndQtsOwnButtons) {
    for (const char* language : {"pl", "de"}) {
        auto& application = *QCoreApplication::instance();
        const std::vector<QTranslator*> installed =
            installTranslations(application, QLocale(QString::fromLatin1(language)));
        for (const GlossaryEntry& entry : glossary) {
            if (qstrcmp(entry.language, language) != 0)
                continue;
            EXPECT_EQ(QCoreApplication::translate(entry.context, entry.source, entry.disambiguation,
                                                  entry.count),
                      QString::fromUtf8(entry.expected))
                << language << ": " << entry.source;
        }
        for (QTranslator* translator : installed) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}

} // namespace
