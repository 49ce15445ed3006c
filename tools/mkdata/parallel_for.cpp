#include "mkdata/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace quorvin::mkdata {

void parallelFor(std::size_t count, const std::function<void(std::size_t)>& work) {
    std::vector<std::exception_ptr> failures(count);
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            try {
                work(i);
            } catch (...) {
                failures[i] = std::current_exception();
            }
        }
    };
    const std::size_t threads =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), count);
    std::vector<std::jthread> pool;
    for (std::size_t t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    pool.clear();  // joins
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
}

}  // namespace quorvin::mkdata
