#include "RunnerComparison.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tessivar {

void PrintTo(RunOutcome::Stop stop, std::ostream* out)
{
    switch (stop) {
    case RunOutcome::Stop::Ended:
        *out << "Ended";
        return;
    case RunOutcome::Stop::LineBudget:
        *out << "LineBudget";
        return;
    case RunOutcome::Stop::Error:
        *out << "Error";
        return;
    case RunOutcome::Stop::StopLine:
        *out << "StopLine";
        return;
    case RunOutcome::Stop::Cancelled:
        *out << "Cancelled";
        return;
    }
}

} // namespace tessivar

namespace tessivar::test {

namespace {

Machine SetMachine(const RunInput& input, TextLines& panel)
{
    Machine machine;
    panel = input.registers;
    const SetOutcome set = machine.Set(panel, input.program);
    EXPECT_FALSE(set.error) << "Set failed: " << Text(set.error->message);
    return machine;
}

void TakeState(const Machine& machine, RunSnapshot& snapshot)
{
    snapshot.registers = machine.registers;
    snapshot.pc = machine.pc;
    snapshot.stepCount = machine.stepCount;
}

void TakeError(const std::optional<MachineError>& error, RunSnapshot& snapshot)
{
    if (error) {
        snapshot.errorKind = error->kind;
        snapshot.errorMessage = Text(error->message);
    }
}

std::string Describe(const RunInput& input, std::optional<StepCount> maxLines)
{
    std::ostringstream text;
    text << "program:";
    for (const std::string& line : input.program) {
        text << " [" << line << "]";
    }
    text << "\nregisters:";
    for (const std::string& line : input.registers) {
        text << " [" << line << "]";
    }
    text << "\nmax lines: " << (maxLines ? DecimalText(*maxLines) : "none");
    return text.str();
}

} // namespace

void ExpectSameSnapshot(const RunSnapshot& actual, const RunSnapshot& expected)
{
    EXPECT_EQ(actual.stop, expected.stop);
    EXPECT_EQ(actual.executedLines, expected.executedLines);
    EXPECT_EQ(actual.pc, expected.pc);
    EXPECT_EQ(actual.stepCount, expected.stepCount);
    EXPECT_EQ(actual.registers, expected.registers);
    EXPECT_EQ(actual.panel, expected.panel);
    EXPECT_EQ(actual.errorKind, expected.errorKind);
    EXPECT_EQ(actual.errorMessage, expected.errorMessage);
}

RunSnapshot RunStepByStep(const RunInput& input, std::optional<StepCount> maxLines)
{
    RunSnapshot snapshot;
    Machine machine = SetMachine(input, snapshot.panel);
    for (;;) {
        if (!machine.CanContinue()) {
            snapshot.stop = RunOutcome::Stop::Ended;
            break;
        }
        if (snapshot.executedLines == maxLines) {
            snapshot.stop = RunOutcome::Stop::LineBudget;
            break;
        }
        const StepOutcome step = machine.ExecuteStep();
        if (step.error) {
            snapshot.stop = RunOutcome::Stop::Error;
            TakeError(step.error, snapshot);
            break;
        }
        ++snapshot.executedLines;
        UpdateRegisterPanel(snapshot.panel, step.effect);
    }
    TakeState(machine, snapshot);
    return snapshot;
}

RunSnapshot RunCompiled(const RunInput& input, std::optional<StepCount> maxLines, LoopAcceleration acceleration)
{
    RunSnapshot snapshot;
    Machine machine = SetMachine(input, snapshot.panel);
    const RunOutcome run = CompiledProgram(machine.program, acceleration).Run(machine, RunLimits{.maxLines = maxLines});
    UpdateRegisterPanel(snapshot.panel, run, machine.registers);
    snapshot.stop = run.stop;
    snapshot.executedLines = run.executedLines;
    snapshot.summarisedLines = run.summarisedLines;
    TakeError(run.error, snapshot);
    TakeState(machine, snapshot);
    return snapshot;
}

void ExpectSameRun(const RunInput& input, std::optional<StepCount> maxLines)
{
    SCOPED_TRACE(Describe(input, maxLines));
    const RunSnapshot expected = RunStepByStep(input, maxLines);
    for (const LoopAcceleration acceleration : {LoopAcceleration::On, LoopAcceleration::Off}) {
        SCOPED_TRACE(acceleration == LoopAcceleration::On ? "accelerated" : "not accelerated");
        ExpectSameSnapshot(RunCompiled(input, maxLines, acceleration), expected);
    }
}

} // namespace tessivar::test
