#include "RunState.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tessivar::ui {

std::ostream& operator<<(std::ostream& out, RunState state)
{
    constexpr const char* names[] = {"Idle", "Stepping", "Running", "RunStepShown", "Stopping", "FullSpeed"};
    return out << names[static_cast<int>(state)];
}

namespace test {
namespace {

using enum RunState;
using enum RunEvent;

struct Transition {
    const char* what;
    RunState from;
    RunEvent event;
    bool programGoesOn;
    RunState to;
};

const Transition kTransitions[] = {
    {"run starts from idle", Idle, RunPressed, true, Running},
    {"run with nothing to run stays idle", Idle, RunPressed, false, Idle},
    {"run again while a stopped run's step is shown", Stopping, RunPressed, true, Running},
    {"stop between two steps is idle at once", Running, RunPressed, true, Idle},
    {"stop during a step waits for its end", RunStepShown, RunPressed, true, Stopping},
    {"stop during the last step only says nothing is left", RunStepShown, RunPressed, false, RunStepShown},
    {"run is locked while one step is shown", Stepping, RunPressed, true, Stepping},
    {"run at full speed ends only by its own end", FullSpeed, RunPressed, true, FullSpeed},

    {"one step from idle", Idle, StepStarted, true, Stepping},
    {"one step while a stopped run's step is shown", Stopping, StepStarted, true, Stepping},
    {"a run's tick runs a step", Running, StepStarted, true, RunStepShown},

    {"one step shown frees the controls", Stepping, StepShown, true, Idle},
    {"a run goes on after its step", RunStepShown, StepShown, true, Running},
    {"a run ends with its program's last step", RunStepShown, StepShown, false, Idle},
    {"a stopped run's last step shown", Stopping, StepShown, true, Idle},
    {"a listing scroll after step back changes nothing", Idle, StepShown, true, Idle},
    {"a scroll ending between two steps of a run", Running, StepShown, true, Running},
    {"a cut-short scroll during a run at full speed", FullSpeed, StepShown, true, FullSpeed},

    {"a failed step ends a run", RunStepShown, StepFailed, true, Idle},
    {"a failed single step", Stepping, StepFailed, true, Idle},
    {"a tick finding a breakpoint or nothing to run", Running, RunEnded, false, Idle},

    {"full speed from idle", Idle, FullSpeedStarted, true, FullSpeed},
    {"full speed while a stopped run's step is shown", Stopping, FullSpeedStarted, true, FullSpeed},
    {"no full speed during a run", Running, FullSpeedStarted, true, Running},
    {"full speed ended", FullSpeed, FullSpeedEnded, false, Idle},
    {"ending full speed when none goes on", Idle, FullSpeedEnded, true, Idle},
};

TEST(RunState, EachEventMovesTheRunAsTheTableSays)
{
    for (const Transition& transition : kTransitions)
        EXPECT_EQ(NextRunState(transition.from, transition.event, transition.programGoesOn), transition.to)
            << transition.what;
}

struct Shown {
    RunState state;
    RunControlsShown controls;
};

const Shown kShown[] = {
    {Idle, {.stopCaption = false, .runEnabled = true, .stepEnabled = true, .tickActive = false}},
    {Stepping, {.stopCaption = false, .runEnabled = false, .stepEnabled = false, .tickActive = false}},
    {Running, {.stopCaption = true, .runEnabled = true, .stepEnabled = false, .tickActive = true}},
    {RunStepShown, {.stopCaption = true, .runEnabled = true, .stepEnabled = false, .tickActive = false}},
    {Stopping, {.stopCaption = false, .runEnabled = true, .stepEnabled = true, .tickActive = false}},
    {FullSpeed, {.stopCaption = true, .runEnabled = true, .stepEnabled = false, .tickActive = false}},
};

// Only a run waiting between two steps has its tick going; "停止" shows
// exactly while something can be stopped.
TEST(RunState, EachStateShowsItsControls)
{
    for (const auto& [state, expected] : kShown) {
        const RunControlsShown controls = ControlsOf(state);
        EXPECT_EQ(controls.stopCaption, expected.stopCaption) << state;
        EXPECT_EQ(controls.runEnabled, expected.runEnabled) << state;
        EXPECT_EQ(controls.stepEnabled, expected.stepEnabled) << state;
        EXPECT_EQ(controls.tickActive, expected.tickActive) << state;
    }
}

} // namespace
} // namespace test
} // namespace tessivar::ui
