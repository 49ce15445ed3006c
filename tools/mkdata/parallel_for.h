#pragma once

#include <cstddef>
#include <functional>

namespace quorvin::mkdata {

// Calls work(i) for every i below count, spread over the machine's cores. Each i is handled
// exactly once; the calls must not depend on one another. When calls throw, all the others
// still finish and the exception of the lowest i is rethrown, so a failure reads the same
// from run to run.
void parallelFor(std::size_t count, const std::function<void(std::size_t)>& work);

}  // namespace quorvin::mkdata
