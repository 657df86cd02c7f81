// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/WindowService.h"
#include "tests/support/WindowFixture.h"

#include <QDBusConnectionInterface>
#include <QDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>

using namespace wypelark;
using namespace wypelark::testing;

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
    QTest::qWait(500);
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

// With no window on the bus, the start opens its own and serves it; with no bus, it opens its
// own all the same.
TEST_F(OneWindow, aStartWithNoWindowToTakeItsPathsOpensItsOwn) {
    start({}, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return served(); }, 10000));
    program.kill();
    program.waitForFinished(2000);

    start({}, false);
    QTest::qWait(1000);
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_FALSE(served());
}

} // namespace
