#include "ProgramCheck.h"

#include "Machine.h"
#include "Phrase.h"
#include "ProgramFile.h"

#include <algorithm>

namespace tessivar {

namespace {

std::string RegistersText(const std::vector<ExpectedRegister>& registers)
{
    std::string text;
    for (const ExpectedRegister& entry : registers) {
        text += (text.empty() ? "R" : " R") + std::to_string(entry.registerNumber) + "=" + std::to_string(entry.value);
    }
    return text;
}

CaseResult CompareRegisters(const CheckCase& checkCase, const RegisterFile& registers, Language language)
{
    std::vector<ExpectedRegister> got;
    for (const ExpectedRegister& expected : checkCase.expected) {
        got.push_back({expected.registerNumber, registers[static_cast<std::size_t>(expected.registerNumber - 1)]});
    }
    if (got == checkCase.expected) {
        return {};
    }
    return {CaseVerdict::WrongValue,
            Say(language, {"expected %1, got %2", "期待は %1、結果は %2"},
                {RegistersText(checkCase.expected), RegistersText(got)})};
}

} // namespace

std::size_t ProgramCheck::Passed() const
{
    return static_cast<std::size_t>(
        std::ranges::count(results, CaseVerdict::Pass, [](const CaseResult& result) { return result.verdict; }));
}

CaseResult RunCase(const CompiledProgram& program, const TextLines& programLines, const CheckCase& checkCase,
                   StepCount maxLines, Language language)
{
    Machine machine;
    TextLines registerLines = checkCase.inputs;
    // The cases file admits only inputs that Set loads.
    machine.Set(registerLines, programLines);
    const RunOutcome run = program.Run(machine, {.maxLines = maxLines});
    switch (run.stop) {
    case RunOutcome::Stop::Ended:
        return CompareRegisters(checkCase, machine.registers, language);
    case RunOutcome::Stop::Error:
        return {CaseVerdict::StepFailed,
                Say(language, {"a step cannot be carried out: %1", "ステップを実行できません: %1"},
                    {Say(language, run.error->message)})};
    case RunOutcome::Stop::LineBudget:
    case RunOutcome::Stop::StopLine:
    case RunOutcome::Stop::Cancelled: // a check asks for neither
        break;
    }
    return {CaseVerdict::NotHalted,
            Say(language, {"did not halt within %1 steps", "%1 ステップ以内に停止しませんでした"},
                {DecimalText(maxLines)})};
}

ProgramCheck CheckProgram(const std::string& programPath, std::span<const CheckCase> cases, StepCount maxLines,
                          Language language)
{
    ProgramCheck check{.programPath = programPath};
    ProgramFileReading reading = ReadProgramFile(programPath);
    if (reading.error) {
        check.readError = Say(language, reading.error->message);
        return check;
    }
    Machine compiledFrom;
    TextLines noRegisters;
    compiledFrom.Set(noRegisters, reading.lines);
    const CompiledProgram program(compiledFrom.program, LoopAcceleration::On);
    for (const CheckCase& checkCase : cases) {
        check.results.push_back(RunCase(program, reading.lines, checkCase, maxLines, language));
    }
    return check;
}

} // namespace tessivar
