#pragma once

#include "ProgramText.h"
#include "StepCount.h"

#include <string>

namespace tessivar::test {

// A loop of R(4) trips whose path changes every R(3)-th trip, where a counter
// is reset, beside a ring of `ring` registers from R(10) on that come back to
// their places every `ring` trips: the whole repeats only after the least
// common multiple of the two. The ring keeps any shorter stretch of trips
// from being summarised as an inner loop or a single trip. After the loop,
// one line, S(6), at index LineAfterTheRing(ring).
inline TextLines CounterBesideARing(int ring)
{
    TextLines program{"S(1)",   "J(1,4," + std::to_string(ring + 9) + ")", "S(2)", "J(2,3,6)", "J(5,5,7)", "Z(2)",
                      "T(10,9)"};
    for (int index = 11; index < 10 + ring; ++index) {
        program.push_back("T(" + std::to_string(index) + "," + std::to_string(index - 1) + ")");
    }
    program.push_back("T(9," + std::to_string(9 + ring) + ")");
    program.push_back("J(1,1,1)");
    program.push_back("S(6)");
    return program;
}

// The line index of the counter's reset, and of the line after the loop.
constexpr std::int64_t kCounterReset = 5;
constexpr std::int64_t LineAfterTheRing(int ring)
{
    return ring + 8;
}

// The counter's period, the trips, and the ring numbered from 1.
inline TextLines CounterBesideARingRegisters(int ring, int period, StepCount trips)
{
    TextLines registers{"0", "0", std::to_string(period), DecimalText(trips), "0", "0", "0", "0", "0"};
    for (int value = 1; value <= ring; ++value) {
        registers.push_back(std::to_string(value));
    }
    return registers;
}

} // namespace tessivar::test
