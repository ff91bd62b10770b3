#include "RunState.h"

namespace tessivar::ui {

namespace {

// With nothing left to run the button only says so; a run at full speed ends
// by FullSpeedEnded.
RunState AfterRunPressed(RunState state, bool programGoesOn)
{
    if (!programGoesOn)
        return state;
    switch (state) {
    case RunState::Idle:
    case RunState::Stopping:
        return RunState::Running;
    case RunState::Running:
        return RunState::Idle;
    case RunState::RunStepShown:
        return RunState::Stopping;
    case RunState::Stepping:
    case RunState::FullSpeed:
        break;
    }
    return state;
}

RunState AfterStepStarted(RunState state)
{
    switch (state) {
    case RunState::Idle:
    case RunState::Stopping:
        return RunState::Stepping;
    case RunState::Running:
        return RunState::RunStepShown;
    case RunState::Stepping:
    case RunState::RunStepShown:
    case RunState::FullSpeed:
        break;
    }
    return state;
}

// A run goes on with the next tick unless its program has ended.
RunState AfterStepShown(RunState state, bool programGoesOn)
{
    switch (state) {
    case RunState::Stepping:
    case RunState::Stopping:
        return RunState::Idle;
    case RunState::RunStepShown:
        return programGoesOn ? RunState::Running : RunState::Idle;
    case RunState::Idle:
    case RunState::Running:
    case RunState::FullSpeed:
        break;
    }
    return state;
}

} // namespace

RunState NextRunState(RunState state, RunEvent event, bool programGoesOn)
{
    switch (event) {
    case RunEvent::RunPressed:
        return AfterRunPressed(state, programGoesOn);
    case RunEvent::StepStarted:
        return AfterStepStarted(state);
    case RunEvent::StepShown:
        return AfterStepShown(state, programGoesOn);
    case RunEvent::StepFailed:
        return RunState::Idle;
    case RunEvent::RunEnded:
        return state == RunState::Running ? RunState::Idle : state;
    case RunEvent::FullSpeedStarted:
        return state == RunState::Idle || state == RunState::Stopping ? RunState::FullSpeed : state;
    case RunEvent::FullSpeedEnded:
        return state == RunState::FullSpeed ? RunState::Idle : state;
    }
    return state;
}

RunControlsShown ControlsOf(RunState state)
{
    switch (state) {
    case RunState::Idle:
    case RunState::Stopping:
        return {.stopCaption = false, .runEnabled = true, .stepEnabled = true, .tickActive = false};
    case RunState::Stepping:
        return {.stopCaption = false, .runEnabled = false, .stepEnabled = false, .tickActive = false};
    case RunState::Running:
        return {.stopCaption = true, .runEnabled = true, .stepEnabled = false, .tickActive = true};
    case RunState::RunStepShown:
    case RunState::FullSpeed:
        break;
    }
    return {.stopCaption = true, .runEnabled = true, .stepEnabled = false, .tickActive = false};
}

} // namespace tessivar::ui
