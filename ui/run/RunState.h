#pragma once

namespace tessivar::ui {

// Where running a program stands. Everything the run controls show (the run
// button's caption, which buttons and Debug actions work, whether the tick
// waits) follows from it alone.
enum class RunState {
    Idle, // nothing runs; every control is free
    Stepping, // one step is shown; the controls wait for its end
    Running, // a run waits for the tick that runs its next step
    RunStepShown, // a run shows one of its steps
    Stopping, // a run was stopped while its last step is still shown
    FullSpeed, // a run at full speed goes on off the window's thread
};

// What moves the run from one state to another.
enum class RunEvent {
    RunPressed, // "実行" or "停止"
    StepStarted, // the machine has executed a line, which is now shown
    StepFailed, // a line could not be carried out
    StepShown, // the scene has finished showing a step
    RunEnded, // a tick found nothing to run, or a breakpoint on its line
    FullSpeedStarted,
    FullSpeedEnded,
};

// The one table of transitions. `programGoesOn`: the machine has a line left
// to run. An event that cannot happen in a state leaves it as it is.
RunState NextRunState(RunState state, RunEvent event, bool programGoesOn);

// The run controls as a state shows them.
struct RunControlsShown {
    bool stopCaption = false; // "停止" rather than "実行"
    bool runEnabled = true; // the run button and the Debug menu's run
    bool stepEnabled = true; // Set, one step, and the runs at full speed
    bool tickActive = false;
};

RunControlsShown ControlsOf(RunState state);

} // namespace tessivar::ui
