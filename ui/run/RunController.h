#pragma once

#include "FastRun.h"
#include "RunControls.h"
#include "RunState.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

namespace tessivar::ui {

class RunTarget;

// When the machine executes a line. A run is a chain of events (tick, step,
// the step shown, tick 10 ms later), so the window stays responsive between
// steps; a run at full speed goes on a thread of its own. Every transition
// goes through one table (RunState.h), and the controls are shown from the
// state, never read back.
class RunController : public QObject {
    Q_OBJECT
public:
    RunController(RunControls controls, RunTarget& target, QObject* parent = nullptr);
    ~RunController() override;

    RunState State() const { return state_; }
    bool StepAllowed() const { return ControlsOf(state_).stepEnabled; }
    // The tick that runs a run's next step.
    const QTimer& Tick() const { return tick_; }

    // "実行" / "停止".
    void PressRun();
    // "1ステップ".
    void Step();
    // Possible exactly when a step is. The run stops before breakpoint lines
    // and before `caretLine`, but not on the line it starts on.
    void RunAtFullSpeed(std::optional<std::int64_t> caretLine);
    // Whatever replaces the program or the machine ends a run at full speed
    // where it has got to.
    void EndFullSpeed();
    // The scene has finished showing a step.
    void StepShown();
    // Shows the captions again, in the language now in use.
    void ShowTexts();
    // Nothing that arrives after the window has closed may run a step.
    void Shut();

signals:
    void StateChanged(RunState state);

private:
    void OnTick();
    void ExecuteStep();
    void FinishFullSpeed(FastRunResult result);
    void Apply(RunEvent event);
    void Show();
    void ShowNothingToExecute();

    RunControls controls_;
    RunTarget& target_;
    RunState state_ = RunState::Idle;
    QTimer tick_;
    // The next tick runs the first step of a run, which no breakpoint stops.
    bool firstStepOfRun_ = false;
    std::unique_ptr<FastRun> fastRun_;
};

} // namespace tessivar::ui
