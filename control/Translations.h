// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

class QCoreApplication;

namespace wypelark {

// Puts the program's texts, and Qt's own (buttons, the command line's help), into the user's
// language, when there is a translation for it; English otherwise. The program's translations
// are looked for in its installed data folder, then in the program itself.
void installTranslations(QCoreApplication& application);

} // namespace wypelark
