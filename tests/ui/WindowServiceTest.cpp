// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/WindowService.h"
#include "tests/support/WindowFixture.h"

#include <QDBusConnectionInterface>
#include <QDialog>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>
#include <utility>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

// A session bus of the test's own, and the program started on it as a file manager would.
class OneWindow : public WindowFixture {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            GTEST_SKIP() << "no dbus-daemon here";
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--print-address=1")});
        ASSERT_TRUE(daemon.waitForReadyRead(5000));
        address = QString::fromLatin1(daemon.readLine().trimmed());
        bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("one-window-test")));
        ASSERT_TRUE(bus->isConnected());
        openWindow();
    }
    void TearDown() override {
        for (QProcess* started : {&program, &daemon}) {
            started->kill();
            started->waitForFinished(2000);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("one-window-test"));
    }
    // Starts the program in the test's folder, on the test's bus or on none.
    void start(const QStringList& arguments, bool onTheBus) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir.path());
        if (onTheBus)
            environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        else
            environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(QString::fromStdString(dir.path().string()));
        program.start(QStringLiteral(WYPELARK_APP), arguments);
        ASSERT_TRUE(program.waitForStarted(5000));
    }
    bool served() const {
        return bus->interface()->isServiceRegistered(QLatin1String(WindowService::ServiceName));
    }

    QProcess daemon;
    QProcess program;
    QString address;
    std::unique_ptr<QDBusConnection> bus;
};

// The window answers while it handles its events: the second start is waited for with them.
// While a question stands over the window, the list it speaks of does not change.
TEST_F(OneWindow, aSecondStartHandsItsPathsToTheOpenWindowAndEnds) {
    WindowService service(*window);
    ASSERT_TRUE(service.serve(*bus));
    dir.makeFile("given", 4);
    QDialog question(window.get());
    question.setModal(true);
    question.show();

    start({QStringLiteral("given")}, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    // The call was answered once the window had queued the paths; the queued call has run, and
    // found the question open, once the posted events are delivered.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(controller->list().count(), 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(controller->list().count(), 0);
    question.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller->list().count() == 1; }, 5000));
    EXPECT_EQ(controller->list().path(1), folder() + "/given");

    // Relative paths, and more paths than one call takes, are refused whole.
    const auto addPaths = [&](const QByteArrayList& paths) {
        return bus->call(QDBusMessage::createMethodCall(QLatin1String(WindowService::ServiceName),
                                                        QLatin1String(WindowService::ObjectPath),
                                                        QLatin1String(WindowService::Interface),
                                                        QStringLiteral("AddPaths"))
                         << QVariant::fromValue(paths));
    };
    EXPECT_EQ(addPaths({"given"}).type(), QDBusMessage::ErrorMessage);
    QByteArrayList tooMany;
    for (qsizetype path = 0; path <= WindowService::MaxPathsPerCall; ++path)
        tooMany << folder() + "/missing" + QByteArray::number(path);
    const QDBusMessage refused = addPaths(tooMany);
    EXPECT_EQ(refused.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(refused.errorName(), QStringLiteral("org.example.Wypelark.Error.TooManyPaths"));
}

// An installed entry's Exec line, from the group given.
QString execLine(const char* entry, const QString& group) {
    QFile file(QStringLiteral(WYPELARK_SOURCE_DIR "/packaging/filemanagers/") +
               QLatin1String(entry));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << entry;
    QString key = QStringLiteral("Quote=none");
    QString exec;
    bool inGroup = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
        else if (inGroup && line.startsWith(QLatin1String("Exec=")))
            exec = line.mid(5);
        else if (inGroup && line.startsWith(QLatin1String("Quote=")))
            key = line;
    }
    return key + QLatin1Char('\n') + exec;
}

// A file:// address as GLib makes it for a local path.
QString glibUri(const QByteArray& path) {
    return QStringLiteral("file://") +
           QString::fromLatin1(path.toPercentEncoding("/!$&'()*+,;=:@"));
}

// Nemo's expansion: each item escaped for the shell parser by a backslash, then put in the
// Quote key's quotes.
QString nemoItem(const QString& item, const QString& quote) {
    QString escaped;
    for (const QChar c : item) {
        if (!c.isLetterOrNumber() && !QStringLiteral("/._-%:@,+=~").contains(c))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    if (quote == QLatin1String("Quote=double"))
        return QLatin1Char('"') + escaped + QLatin1Char('"');
    if (quote == QLatin1String("Quote=single"))
        return QLatin1Char('\'') +
               QString(item).replace(QLatin1String("'"), QLatin1String("'\\''")) +
               QLatin1Char('\'');
    return escaped;
}

// A command line split as GLib's shell parser splits it: blanks part words, a backslash outside
// quotes takes the next character as it is (a new line it removes), single quotes keep all,
// double quotes let a backslash escape only $ ` " \ and a new line.
QStringList shellWords(const QString& line) {
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const QChar c = line[at];
        if (c == QLatin1Char('\\') && at + 1 < line.size()) {
            if (line[++at] != QLatin1Char('\n'))
                word += line[at];
            inWord = true;
        } else if (c == QLatin1Char('\'')) {
            const qsizetype end = line.indexOf(QLatin1Char('\''), at + 1);
            word += line.mid(at + 1, end - at - 1);
            at = end;
            inWord = true;
        } else if (c == QLatin1Char('"')) {
            for (++at; at < line.size() && line[at] != QLatin1Char('"'); ++at) {
                if (line[at] == QLatin1Char('\\') && at + 1 < line.size() &&
                    QStringLiteral("$`\"\\\n").contains(line[at + 1]))
                    ++at;
                word += line[at];
            }
            inWord = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            if (inWord)
                words << std::exchange(word, {});
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

// Each file manager's entry, its Exec line expanded as that file manager does for names a shell,
// a quoting or an escaping could alter, hands the window the exact names.
TEST_F(OneWindow, eachFileManagerEntryHandsOverTheExactNames) {
    WindowService service(*window);
    ASSERT_TRUE(service.serve(*bus));
    QByteArrayList paths;
    for (const char* name : {"it's", "tab\there", "new\nline", "$HOME x", "say \"hi\"",
                             "back\\slash", "star*?[a]", "50% (final)"})
        paths << QByteArray::fromStdString(dir.makeFile(name, 4));
    struct Entry {
        const char* file;
        QString group;
        bool uris;
    };
    const Entry entries[] = {
        {"org.example.Wypelark.shred.desktop", QStringLiteral("Desktop Action shred"), false},
        {"wypelark-shred.nemo_action", QStringLiteral("Nemo Action"), true}};
    for (const Entry& entry : entries) {
        const QStringList quoteAndExec = execLine(entry.file, entry.group).split(QLatin1Char('\n'));
        QStringList items;
        for (const QByteArray& path : paths)
            items << (entry.uris ? glibUri(path) : QString::fromUtf8(path));
        QStringList arguments;
        if (entry.uris) { // Nemo puts the items in the line, which its shell parser splits
            QStringList quoted;
            for (const QString& item : items)
                quoted << nemoItem(item, quoteAndExec[0]);
            QString line = quoteAndExec[1];
            line.replace(QLatin1String("%U"), quoted.join(QLatin1Char(' ')));
            arguments = shellWords(line).mid(1);
        } else { // the desktop entry's field codes become one argument per file
            for (const QString& word : shellWords(quoteAndExec[1]).mid(1)) {
                if (word == QLatin1String("%F"))
                    arguments << items;
                else
                    arguments << word;
            }
        }
        ASSERT_NE(quoteAndExec[1], QString()) << entry.file;
        start(arguments, true);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 10000));
        EXPECT_EQ(program.exitCode(), 0)
            << entry.file << program.readAllStandardError().toStdString();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return controller->list().count() == paths.size(); }, 5000))
            << entry.file;
        for (int position = 1; position <= controller->list().count(); ++position)
            EXPECT_TRUE(paths.contains(controller->list().path(position)))
                << entry.file << ": " << controller->list().path(position).toStdString();
        controller->clearList();
    }
}

// With no window on the bus, the start opens its own and serves it; with no bus, it opens its
// own all the same.
TEST_F(OneWindow, aStartWithNoWindowToTakeItsPathsOpensItsOwn) {
    start({}, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return served(); }, 10000));
    program.kill();
    program.waitForFinished(2000);

    // Its window is up once its browser watches a folder.
    start({}, false);
    const auto watching = [&] {
        const fs::path descriptors = "/proc/" + std::to_string(program.processId()) + "/fd";
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(descriptors, error)) {
            if (fs::read_symlink(entry.path(), error).string() == "anon_inode:inotify")
                return true;
        }
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(watching, 10000));
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_FALSE(served());
}

} // namespace
