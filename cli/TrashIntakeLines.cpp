// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/TrashIntakeLines.h"

#include "cli/JournalLines.h"
#include "cli/ShredCommand.h"
#include "control/TrashPlacesNow.h"
#include "control/TrashTexts.h"
#include "control/WipeController.h"
#include "control/WipeTexts.h"
#include "list/ShownName.h"

#include <QCoreApplication>

#include <utility>

namespace wypelark {
namespace {

// The command line's own sentences, in the same context as the rest of them.
struct T {
    Q_DECLARE_TR_FUNCTIONS(ShredCommand)
};

QString shown(const QByteArray& path) {
    return QString::fromStdString(printablePath(path.toStdString()));
}

} // namespace

std::vector<RefusedFile> takeTrash(WipeController& controller, const CommandContext& context) {
    TrashIntake intake =
        controller.addTrash(context.trashPlaces ? context.trashPlaces() : trashPlacesNow());
    for (const QByteArray& volume : intake.notReached)
        context.err << LinePriority{Priority::Warning} << "wypelark-cli: "
                    << T::tr("%1: %2")
                           .arg(shown(volume), WipeTexts::reason(WipeErrc::NotMounted))
                           .toStdString()
                    << "\n"
                    << LinePriority{Priority::Error};
    if (intake.entries == 0 && controller.list().count() == 0)
        context.err << LinePriority{Priority::Info}
                    << "wypelark-cli: " << TrashTexts::empty().toStdString() << "\n"
                    << LinePriority{Priority::Error};
    return std::move(intake.refused);
}

QString shownWithOrigin(const RunSession& session, const QByteArray& path) {
    const QByteArray origin = session.trashOrigins().originOf(path);
    return origin.isEmpty() ? shown(path) : T::tr("%1 (was %2)").arg(shown(path), shown(origin));
}

} // namespace wypelark
