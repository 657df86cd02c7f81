// SPDX-License-Identifier: LicenseRef-proprietary
// The session's one state answers, at each moment of a run, whether the list may change, whether
// Delete may start, and what a close gets.
#include "control/WipeController.h"
#include "tests/support/FakeFileOperations.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

struct Moment {
    RunState state;
    bool listEditable;
    bool mayStart;
    CloseAnswer close;
    bool operator==(const Moment&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Moment& m) {
    return os << "state " << static_cast<int>(m.state) << ", editable " << m.listEditable
              << ", may start " << m.mayStart << ", close " << static_cast<int>(m.close);
}

TEST(RunSession, oneStateAnswersEditStartAndCloseThroughQuestionRunPauseAndContinue) {
    FakeFileOperations disk;
    disk.addFile("/a", 150000);
    disk.rule().requireNaming();
    WipeController controller({.disk = disk, .awayFromThisThread = false});
    RunSession& session = controller.session();
    controller.list().append("/a", 150000, {});
    std::vector<Moment> seen;
    // A close is asked at each moment; one asked while the run stops is made once it stopped.
    const auto look = [&] {
        seen.push_back({session.state(), controller.listEditable(), session.mayStart(),
                        controller.closeAnswer()});
    };
    int writes = 0;
    QObject::connect(&session, &RunSession::yielding, [&] {
        if (++writes == 1)
            look();
        if (writes == 2) {
            session.pauseCommand();
            look();
        }
    });

    look();
    session.destroyQuestion();
    look();
    disk.rule().named({"/a"});
    session.confirmDestroy();
    session.deleteCommand();
    look();
    EXPECT_TRUE(session.takeCloseWhenStopped());
    EXPECT_TRUE(disk.exists("/a"));
    session.deleteCommand(); // Continue
    look();

    EXPECT_FALSE(disk.exists("/a"));
    EXPECT_EQ(seen, (std::vector<Moment>{
                        {RunState::Idle, true, true, CloseAnswer::Accept},
                        {RunState::Asking, false, true, CloseAnswer::Accept},
                        {RunState::Running, false, false, CloseAnswer::Refuse},
                        {RunState::Stopping, false, false, CloseAnswer::AfterStop},
                        {RunState::Paused, false, true, CloseAnswer::AskFirst},
                        {RunState::Idle, true, true, CloseAnswer::Accept},
                    }));
}

} // namespace
