#include "ParallelCheck.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <future>
#include <thread>
#include <vector>

namespace tessivar {

void CheckPrograms(std::span<const std::string> programPaths, std::span<const CheckCase> cases, StepCount maxLines,
                   Language language, unsigned jobs, const std::function<void(ProgramCheck)>& report)
{
    std::vector<std::promise<ProgramCheck>> checks(programPaths.size());
    std::vector<std::future<ProgramCheck>> done;
    for (std::promise<ProgramCheck>& check : checks) {
        done.push_back(check.get_future());
    }
    std::atomic<std::size_t> next = 0;
    const auto work = [&](const std::stop_token& stop) {
        for (std::size_t index = next++; index < checks.size() && !stop.stop_requested(); index = next++) {
            try {
                checks[index].set_value(CheckProgram(programPaths[index], cases, maxLines, language));
            } catch (...) {
                checks[index].set_exception(std::current_exception());
            }
        }
    };
    // Declared last, so that leaving early stops and joins the workers before
    // what they use goes.
    std::vector<std::jthread> workers;
    const std::size_t workerCount = std::min<std::size_t>(std::max(jobs, 1u), programPaths.size());
    for (std::size_t worker = 0; worker < workerCount; ++worker) {
        workers.emplace_back(work);
    }
    for (std::future<ProgramCheck>& check : done) {
        report(check.get());
    }
}

} // namespace tessivar
