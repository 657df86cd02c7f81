// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace wypelark {
namespace {

bool install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QStringList& folders) {
    auto* translator = new QTranslator(&application);
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace

void installTranslations(QCoreApplication& application) {
    const QLocale locale = QLocale::system();
    const QStringList own{QCoreApplication::applicationDirPath() +
                              QStringLiteral("/../share/wypelark/translations"),
                          QStringLiteral(":/i18n")};
    // English first, for its singular forms; the user's language over it.
    install(application, QLocale(QLocale::English), QStringLiteral("wypelark"), own);
    if (locale.language() != QLocale::English && locale.language() != QLocale::C)
        install(application, locale, QStringLiteral("wypelark"), own);
    install(application, locale, QStringLiteral("qtbase"),
            {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

} // namespace wypelark
