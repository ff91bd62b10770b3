#include "FastRun.h"
#include "TeachingPrograms.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <random>
#include <vector>

namespace tessivar::ui {
namespace {

// Rings of copies that no summary covers, so that a run takes its time.
using teaching::kThreeRings;
using teaching::ThreeRingsRegisters;

Machine SetMachine(TextLines registers, const TextLines& program)
{
    Machine machine;
    machine.Set(registers, program);
    return machine;
}

// The machine after `lines` lines run one by one from Set.
Machine LineByLine(TextLines registers, const TextLines& program, std::optional<StepCount> lines)
{
    Machine machine = SetMachine(std::move(registers), program);
    CompiledProgram(machine.program, LoopAcceleration::Off).Run(machine, RunLimits{.maxLines = lines});
    return machine;
}

class FastRunTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { application_ = new QCoreApplication(argc_, argv_); }
    static void TearDownTestSuite() { delete application_; }

    FastRun run{[this](StepCount step) { progress.push_back(step); },
                [this](FastRunResult result) { finished.push_back(std::move(result)); }};
    StepHistory history;
    std::vector<StepCount> progress;
    std::vector<FastRunResult> finished;

private:
    static inline int argc_ = 1;
    static inline char name_[] = "tessivar_fastrun_tests";
    static inline char* argv_[] = {name_, nullptr};
    static inline QCoreApplication* application_ = nullptr;
};

TEST_F(FastRunTest, ARunThatEndsByItselfIsHandedOverOnce)
{
    const TextLines registers = ThreeRingsRegisters("1000");
    run.Start(SetMachine(registers, kThreeRings), {}, history);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.empty(); }, 10000));
    QTest::qWait(50);
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_FALSE(run.Active());
    const Machine expected = LineByLine(registers, kThreeRings, std::nullopt);
    EXPECT_EQ(finished[0].machine.registers, expected.registers);
    EXPECT_EQ(finished[0].machine.pc, expected.pc);
    EXPECT_EQ(finished[0].machine.stepCount, expected.stepCount);
    EXPECT_EQ(finished[0].outcome.stop, RunOutcome::Stop::Ended);
    EXPECT_FALSE(run.Stop()) << "nothing left to stop";
}

// Stopped, a run leaves a state that running its lines one by one passes
// through, reports its progress until then, and is not handed over again.
TEST_F(FastRunTest, StopLeavesAStateTheMachinePassedThrough)
{
    const TextLines registers = ThreeRingsRegisters("1000000000000");
    run.Start(SetMachine(registers, kThreeRings), {}, history);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.size() >= 2; }, 10000));
    const std::optional<FastRunResult> stopped = run.Stop();
    ASSERT_TRUE(stopped);
    EXPECT_FALSE(run.Active());
    EXPECT_LE(progress.front(), progress.back());
    EXPECT_LE(progress.back(), stopped->machine.stepCount);
    const Machine expected = LineByLine(registers, kThreeRings, stopped->machine.stepCount);
    EXPECT_EQ(stopped->machine.registers, expected.registers);
    EXPECT_EQ(stopped->machine.pc, expected.pc);
    QTest::qWait(50);
    EXPECT_TRUE(finished.empty());
}

TEST_F(FastRunTest, ARunStopsBeforeAStopLineButNotOnTheLineItStartsOn)
{
    const TextLines registers = ThreeRingsRegisters("1000");
    Machine machine = SetMachine(registers, kThreeRings);
    run.Start(machine, {0, 4}, history);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.empty(); }, 10000));
    EXPECT_EQ(finished[0].machine.pc, 4);
    EXPECT_EQ(finished[0].machine.stepCount, 4);
}

// Starts, stops, runs that end by themselves and a destruction while one
// runs, in a random order: every hand-over is whole (run under
// ThreadSanitizer by make test-tsan).
TEST_F(FastRunTest, StartsAndStopsInAnyOrderHandOverWholeStates)
{
    std::mt19937 random(7);
    const TextLines registers = ThreeRingsRegisters("0");
    for (int round = 0; round < 200; ++round) {
        TextLines roundRegisters = registers;
        roundRegisters[7] = std::to_string(random() % 20000);
        run.Start(SetMachine(roundRegisters, kThreeRings), {}, history);
        QTest::qWait(static_cast<int>(random() % 3));
        if (std::optional<FastRunResult> stopped = run.Stop()) {
            const Machine expected = LineByLine(roundRegisters, kThreeRings, stopped->machine.stepCount);
            ASSERT_EQ(stopped->machine.registers, expected.registers) << round;
            ASSERT_EQ(stopped->machine.pc, expected.pc) << round;
        }
        history.Clear();
    }
    auto doomed = std::make_unique<FastRun>([](StepCount) {}, [](FastRunResult) { FAIL() << "handed to no one"; });
    doomed->Start(SetMachine(ThreeRingsRegisters("1000000000000"), kThreeRings), {}, history);
    doomed.reset();
    QTest::qWait(20);
}

} // namespace
} // namespace tessivar::ui
