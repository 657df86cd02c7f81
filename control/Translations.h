// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QLocale>

#include <vector>

class QCoreApplication;
class QTranslator;

namespace wypelark {

// Puts the program's texts, and Qt's own (the questions' buttons, the command line's help), into
// the language of locale, when there is a translation for it; English otherwise. The program's
// translations are looked for in its installed data folder, then in the program itself; Qt's
// in Qt's translations folder. Returns the translators installed, which the application owns.
std::vector<QTranslator*> installTranslations(QCoreApplication& application,
                                              const QLocale& locale = QLocale::system());

} // namespace wypelark
