// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace wypelark {
namespace {

void install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QStringList& folders, std::vector<QTranslator*>& installed) {
    auto* translator = new QTranslator(&application);
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            installed.push_back(translator);
            return;
        }
    }
    delete translator;
}

} // namespace

std::vector<QTranslator*> installTranslations(QCoreApplication& application,
                                              const QLocale& locale) {
    std::vector<QTranslator*> installed;
    const QStringList own{QCoreApplication::applicationDirPath() +
                              QStringLiteral("/../share/wypelark/translations"),
                          QStringLiteral(":/i18n")};
    // English first, for its singular forms; the user's language over it.
    install(application, QLocale(QLocale::English), QStringLiteral("wypelark"), own, installed);
    if (locale.language() != QLocale::English && locale.language() != QLocale::C)
        install(application, locale, QStringLiteral("wypelark"), own, installed);
    install(application, locale, QStringLiteral("qtbase"),
            {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}, installed);
    return installed;
}

} // namespace wypelark
