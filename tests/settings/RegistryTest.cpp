// SPDX-License-Identifier: LicenseRef-proprietary
#include "settings/PassCountText.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStrings.h"
#include "tests/support/SmallVolume.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace wypelark;
using wypelark::testing::SmallVolume;

namespace {

const QString Key = QStringLiteral("Software\\Wipelark");
constexpr std::uint32_t User = RegistryFile::CurrentUser;

class RegistryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Wypelark/settings.conf"));
    RegistryFile store{path};

    void storeRaw(const QString& name, std::uint32_t type, const QByteArray& data) {
        RegistryFile::Key key = store.createKey(User, Key);
        ASSERT_EQ(store.setValue(key, name, type, data), RegistryFile::Success);
    }
    QString read(const QString& name, const QString& fallback = QString()) {
        return RegGetString(store, User, Key, name, fallback);
    }
    QByteArray fileContent() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(RegistryTest, noKeyOrNoValueGivesTheDefault) {
    EXPECT_EQ(read(QStringLiteral("Overwrite")), QString());
    EXPECT_EQ(read(QStringLiteral("Overwrite"), QStringLiteral("5")), QStringLiteral("5"));
    EXPECT_FALSE(QFile::exists(path)); // reading never creates the store

    storeRaw(QStringLiteral("Other"), 1, "x");
    EXPECT_EQ(read(QStringLiteral("Overwrite"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST_F(RegistryTest, aValueOfAnotherTypeReadsAsTheDefault) {
    storeRaw(QStringLiteral("Overwrite"), 4, QByteArray("\x07\0\0\0", 4));
    EXPECT_EQ(read(QStringLiteral("Overwrite"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST_F(RegistryTest, writtenUnderOneCaseReadsBackUnderAnotherAndKeepsTheFirstSpelling) {
    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("12"));
    EXPECT_EQ(read(QStringLiteral("Overwrite")), QStringLiteral("12"));
    EXPECT_EQ(RegGetString(store, User, QStringLiteral("SOFTWARE\\wipelark"),
                           QStringLiteral("OVERWRITE")),
              QStringLiteral("12"));

    RegSaveString(store, User, Key, QStringLiteral("overwrite"), QStringLiteral("7"));
    EXPECT_EQ(read(QStringLiteral("Overwrite")), QStringLiteral("7"));
    EXPECT_TRUE(fileContent().contains("OverWrite\t1\t7"));
    EXPECT_FALSE(fileContent().contains("overwrite"));
}

TEST_F(RegistryTest, stringsEndAtTheirFirstNulWhetherOrNotOneTerminatesThem) {
    storeRaw(QStringLiteral("Plain"), 1, "20");
    storeRaw(QStringLiteral("Terminated"), 1, QByteArray("20\0", 3));
    storeRaw(QStringLiteral("Inside"), 1, QByteArray("1\0002", 3));
    storeRaw(QStringLiteral("Empty"), 1, QByteArray());
    storeRaw(QStringLiteral("NulOnly"), 1, QByteArray("\0", 1));

    EXPECT_EQ(read(QStringLiteral("Plain")), QStringLiteral("20"));
    EXPECT_EQ(read(QStringLiteral("Terminated")), QStringLiteral("20"));
    EXPECT_EQ(read(QStringLiteral("Inside")), QStringLiteral("1"));
    EXPECT_EQ(read(QStringLiteral("Empty"), QStringLiteral("d")), QString());
    EXPECT_EQ(read(QStringLiteral("NulOnly"), QStringLiteral("d")), QString());
}

TEST_F(RegistryTest, theExactBytesSurviveTheTextFile) {
    const QByteArray awkward("a\\b\tc\nd\re\x01\x7f\xc3\xa9\0z", 13);
    storeRaw(QStringLiteral("Bytes"), 3, awkward);
    RegistryFile::Key key = store.openKey(User, Key);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(store.queryValue(key, QStringLiteral("bytes"), type, nullptr, size),
              RegistryFile::Success);
    QByteArray back(static_cast<qsizetype>(size), '?');
    ASSERT_EQ(store.queryValue(key, QStringLiteral("bytes"), type, back.data(), size),
              RegistryFile::Success);
    EXPECT_EQ(type, 3u);
    EXPECT_EQ(back, awkward);
    // Two comment lines, the key and the value: escaped bytes never break a record.
    EXPECT_EQ(fileContent().count('\n'), 4);
}

TEST_F(RegistryTest, theFirstSaveCreatesTheWholePathAndTheSecondWriteWins) {
    const QString deep = QStringLiteral("Software\\Wipelark\\Deep\\Er");
    RegSaveString(store, User, deep, QStringLiteral("V"), QStringLiteral("one"));
    RegSaveString(store, User, deep, QStringLiteral("V"), QStringLiteral("two"));

    EXPECT_TRUE(store.openKey(User, QStringLiteral("Software")).valid);
    EXPECT_TRUE(store.openKey(User, Key).valid);
    EXPECT_EQ(RegGetString(store, User, deep, QStringLiteral("v")), QStringLiteral("two"));
    EXPECT_FALSE(store.openKey(User, QStringLiteral("Software\\Other")).valid);
    EXPECT_FALSE(store.openKey(0x80000002u, Key).valid);
}

TEST_F(RegistryTest, aSaveKeepsEveryOtherValueAndLinesItCannotRead) {
    storeRaw(QStringLiteral("Keep"), 1, "me");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("garbled line without tabs \\q\n");
    }
    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("3"));

    EXPECT_EQ(read(QStringLiteral("Keep")), QStringLiteral("me"));
    EXPECT_EQ(read(QStringLiteral("Overwrite")), QStringLiteral("3"));
    EXPECT_TRUE(fileContent().contains("garbled line without tabs \\q"));
}

TEST_F(RegistryTest, anEmptyOrGarbledFileReadsAsAbsentValues) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    for (const QByteArray& junk : {QByteArray(), QByteArray("\0\0\xff\xfe\t\t\t\t\t", 9)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(junk);
        file.close();
        EXPECT_EQ(read(QStringLiteral("Overwrite"), QStringLiteral("d")), QStringLiteral("d"));
    }
}

TEST_F(RegistryTest, aFailedWriteIsSilentAndLeavesTheOldValue) {
    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("4"));
    // The folder's place is taken by a file, so nothing can be written beneath it.
    RegistryFile blocked(dir.filePath(QStringLiteral("Wypelark/settings.conf/below.conf")));
    RegSaveString(blocked, User, Key, QStringLiteral("OverWrite"), QStringLiteral("5"));
    EXPECT_EQ(RegGetString(blocked, User, Key, QStringLiteral("Overwrite")), QString());
    EXPECT_EQ(read(QStringLiteral("Overwrite")), QStringLiteral("4"));
}

// A volume that fills up under the settings: the save fails, and the file keeps its old
// values whole.
TEST(RegistryOnAFullVolume, aSaveThatCannotBeWrittenWholeLeavesTheOldFile) {
    const QTemporaryDir dir;
    const SmallVolume volume(dir.path().toStdString(), "64k");
    if (!volume.mounted())
        GTEST_SKIP() << volume.why();
    RegistryFile store(dir.filePath(QStringLiteral("Wypelark/settings.conf")));
    RegistryFile::Key key = store.createKey(User, Key);
    ASSERT_EQ(store.setValue(key, QStringLiteral("Overwrite"), RegistryFile::StringType, "4"),
              RegistryFile::Success);
    QFile file(dir.filePath(QStringLiteral("Wypelark/settings.conf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    volume.fill();

    EXPECT_NE(store.setValue(key, QStringLiteral("Overwrite"), RegistryFile::StringType,
                             QByteArray(8192, '5')),
              RegistryFile::Success);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(RegistryTest, twoWritersAtOnceNeverLoseEachOthersValues) {
    // Two windows saving at the same time, each through its own store on the same file.
    const auto writer = [this](const QString& name) {
        RegistryFile own(path);
        for (int i = 0; i < 40; ++i)
            RegSaveString(own, User, Key, name + QString::number(i % 4), QString::number(i));
    };
    std::thread first(writer, QStringLiteral("A"));
    std::thread second(writer, QStringLiteral("B"));
    first.join();
    second.join();

    for (const QString& name : {QStringLiteral("A"), QStringLiteral("B")}) {
        for (int slot = 0; slot < 4; ++slot)
            EXPECT_EQ(read(name + QString::number(slot)), QString::number(36 + slot)) << slot;
    }
}

struct HostileFile {
    const char* name;
    std::function<void(const QString& path)> make;
};

void PrintTo(const HostileFile& c, std::ostream* os) {
    *os << c.name;
}

class HostileSettingsFile : public RegistryTest,
                            public ::testing::WithParamInterface<HostileFile> {};

// What stands at the settings file's place reads as no values at once, and the next save puts
// it aside as settings.conf.bad and starts a fresh file.
TEST_P(HostileSettingsFile, readsAsNoValuesAndIsPutAsideByTheNextSave) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    GetParam().make(path);

    EXPECT_EQ(read(QStringLiteral("Overwrite"), QStringLiteral("d")), QStringLiteral("d"));
    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("6"));

    EXPECT_EQ(read(QStringLiteral("Overwrite")), QStringLiteral("6"));
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_TRUE(QFileInfo(path + QStringLiteral(".bad")).exists() ||
                QFileInfo(path + QStringLiteral(".bad")).isSymLink());
}

INSTANTIATE_TEST_SUITE_P(
    InPlaceOfTheFile, HostileSettingsFile,
    ::testing::Values(HostileFile{"fifo",
                                  [](const QString& path) {
                                      ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600),
                                                0);
                                  }},
                      HostileFile{"linkToDevZero",
                                  [](const QString& path) {
                                      ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
                                  }},
                      HostileFile{"twoMebibytes",
                                  [](const QString& path) {
                                      QFile file(path);
                                      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                                      file.write(QByteArray(2 << 20, 'x'));
                                  }}),
    [](const ::testing::TestParamInfo<HostileFile>& info) { return std::string(info.param.name); });

TEST_F(RegistryTest, aValueBlockedByAnotherInstancesLockIsSavedAtTheNextChance) {
    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("2"));
    QLockFile other(path + QStringLiteral(".lock"));
    ASSERT_TRUE(other.tryLock(0));

    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("3"));
    EXPECT_EQ(read(QStringLiteral("Overwrite")), QStringLiteral("2"));

    other.unlock();
    RegSaveString(store, User, Key, QStringLiteral("Other"), QStringLiteral("x"));
    EXPECT_EQ(read(QStringLiteral("Overwrite")), QStringLiteral("3"));
    EXPECT_EQ(read(QStringLiteral("Other")), QStringLiteral("x"));
}

TEST_F(RegistryTest, aSaveRemovesOnlyTheTemporariesThatAKilledSaveLeftLongAgo) {
    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("2"));
    const QString old = path + QStringLiteral(".Ab12Cd");
    const QString recent = path + QStringLiteral(".Xy34Zw");
    for (const QString& leftover : {old, recent}) {
        QFile file(leftover);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile aged(old);
    ASSERT_TRUE(aged.open(QIODevice::ReadWrite));
    ASSERT_TRUE(aged.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                 QFileDevice::FileModificationTime));
    aged.close();

    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("3"));

    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(QFile::exists(recent));
}

TEST(RegistryOwnership, rootWritesNothingInAnotherUsersSettingsFolder) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to own a folder by another user";
    const QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("Wypelark"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
    const QString target = home.filePath(QStringLiteral("target"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("untouched");
    }
    ASSERT_TRUE(QFile::link(target, folder + QStringLiteral("/settings.conf")));
    RegistryFile store(folder + QStringLiteral("/settings.conf"));

    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("9"));

    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("untouched"));
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("settings.conf")});
}

TEST(RegistryLocation, withoutXdgConfigHomeOrHomeIsInTheUsersHomeFolder) {
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    const RegistryFile store;
    qputenv("XDG_CONFIG_HOME", savedConfig);
    qputenv("HOME", savedHome);
    EXPECT_EQ(store.filePath(), QFile::decodeName(::getpwuid(::geteuid())->pw_dir) +
                                    QStringLiteral("/.config/Wypelark/settings.conf"));
}

TEST(RegistryLocation, followsXdgConfigHome) {
    const QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    RegistryFile store;
    RegSaveString(store, User, Key, QStringLiteral("OverWrite"), QStringLiteral("9"));
    qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(store.filePath(), home.path() + QStringLiteral("/Wypelark/settings.conf"));
    EXPECT_TRUE(QFile::exists(store.filePath()));
}

struct ParseCase {
    const char* text;
    std::int32_t count;
};

class PassCountParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(PassCountParsing, readsLenientlyAndRoundsHalfToEven) {
    EXPECT_EQ(parsePassCount(QString::fromUtf8(GetParam().text)), GetParam().count)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PassCountParsing,
    ::testing::Values(ParseCase{"7", 7}, ParseCase{"12.5", 12}, ParseCase{"13.5", 14},
                      ParseCase{"2.5", 2}, ParseCase{" 15", 15}, ParseCase{"1 2", 12},
                      ParseCase{"\t-3\n", -3}, ParseCase{"abc", 0}, ParseCase{"", 0},
                      ParseCase{"99", 99}, ParseCase{"20   ", 20}, ParseCase{"1e1", 10},
                      ParseCase{"2E+1x", 20}, ParseCase{"3e", 3}, ParseCase{"+4", 4},
                      ParseCase{".5", 0}, ParseCase{"5.", 5}, ParseCase{"8abc9", 8},
                      ParseCase{"2147483647", 2147483647}, ParseCase{"2147483648", 0},
                      ParseCase{"-2147483648", -2147483647 - 1}, ParseCase{"1e400", 0},
                      ParseCase{"-", 0}));

TEST(PassCountFormat, isPlainDecimalDigits) {
    EXPECT_EQ(formatPassCount(20), QStringLiteral("20"));
    EXPECT_EQ(formatPassCount(-3), QStringLiteral("-3"));
}

} // namespace
