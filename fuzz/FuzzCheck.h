#pragma once

#include <cstdlib>

namespace tessivar::fuzz {

// A broken property aborts, which the fuzzer reports with the input that broke it.
inline void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace tessivar::fuzz
