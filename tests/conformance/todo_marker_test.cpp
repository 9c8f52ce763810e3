// The known-gap marker works as Wine's todo_wine: a marked check that fails is a known gap and
// fails nothing; one that passes means the gap is closed and fails the test, so that the marker
// cannot outlive the gap.
#include "tests/conformance/harness.h"

#include <gtest/gtest.h>

namespace {

void GapStillOpen() {
    todo_sim(1 + 1 == 3, "a behaviour the simulation does not have yet");
}

void GapClosed() {
    todo_sim(1 + 1 == 2, "a behaviour the simulation now has");
}

TEST(TodoSim, AMarkedCheckThatFailsIsAKnownGapAndFailsNothing) {
    const int todoBefore = conformance::Totals().todo;
    EXPECT_EQ(0, conformance::Run(conformance::Test{"GapStillOpen", GapStillOpen}));
    EXPECT_EQ(todoBefore + 1, conformance::Totals().todo);
}

TEST(TodoSim, AMarkedCheckThatPassesFailsTheTest) {
    const int todoBefore = conformance::Totals().todo;
    EXPECT_EQ(1, conformance::Run(conformance::Test{"GapClosed", GapClosed}));
    EXPECT_EQ(todoBefore, conformance::Totals().todo);
}

} // namespace
