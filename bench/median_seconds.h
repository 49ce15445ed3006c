#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace quorvin::bench {

// The median wall time of `runs` calls of work: the baseline a benchmark is set beside.
template <typename Work>
double medianSeconds(int runs, Work work) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

}  // namespace quorvin::bench
