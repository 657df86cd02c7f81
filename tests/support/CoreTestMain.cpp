// SPDX-License-Identifier: LicenseRef-proprietary
// The main of the tests below the window: a Qt Core application, an English locale and a
// settings folder of its own, so no test sees the developer's desktop.
#include "control/Translations.h"
#include <QCoreApplication>

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("LC_ALL", "C.UTF-8");
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    wypelark::installTranslations(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
