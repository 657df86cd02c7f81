// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WipeController.h"
#include "control/WipeTexts.h"
#include "tests/support/FakeFileOperations.h"

#include <gtest/gtest.h>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

// Two files of 150,000 and 50,000 bytes, two passes: the overall figure counts bytes, so the
// small file weighs a quarter of the big one.
TEST(RunProgress, theFiguresFollowTheBytesWrittenAndTheTotalsNameWhatWasDestroyed) {
    FakeFileOperations disk;
    disk.addFile("/big", 150000);
    disk.addFile("/small", 50000);
    WipeController controller({.disk = disk, .awayFromThisThread = false});
    controller.list().append("/big", 150000, {});
    controller.list().append("/small", 50000, {});
    controller.setPassCount(2);
    int writes = 0;
    QString pass;
    QString overall;
    QObject::connect(&controller.session(), &RunSession::yielding, [&] {
        if (++writes != 2)
            return;
        const ProgressFigures figures = controller.session().progress();
        pass = WipeTexts::passFigure(figures);
        overall = WipeTexts::overallFigure(figures);
    });

    controller.session().confirmListed();
    controller.session().deleteCommand();

    EXPECT_EQ(pass, QStringLiteral("Pass 1 of 2: 66 %"));
    // The second block overlaps the first by a byte: 99,999 bytes of the file are overwritten.
    EXPECT_EQ(overall, QStringLiteral("100.0 kB of 400.0 kB: 24 %"));
    EXPECT_TRUE(WipeTexts::destroyedTotals(controller.session().totals())
                    .startsWith(QStringLiteral("2 files destroyed (200.0 kB, 2 passes) in ")));
}

// However fast the writes went into the cache, bytes still to write never read as no time left.
TEST(RunProgress, saysNoTimeLeftOnlyWhenEverythingIsWrittenAndFlushed) {
    RunProgress progress;
    const RunProgress::Clock::time_point start{};
    progress.start(1000000000, start);
    progress.sample(999999999, start + std::chrono::seconds(1));
    EXPECT_EQ(progress.secondsLeft(false), 1);
    progress.sample(1000000000, start + std::chrono::seconds(2));
    EXPECT_EQ(progress.secondsLeft(true), 1);
    EXPECT_EQ(progress.secondsLeft(false), 0);
}

} // namespace
