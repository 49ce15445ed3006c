#!/usr/bin/env bash
# Installs what is missing, then builds with warnings as errors and with the address and
# undefined-behaviour sanitizers, and runs every test of both builds through ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
jobs=$(nproc)

cd "$root"
echo "== format"
if ! git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror; then
  echo "clang-format would change the files above" >&2
  exit 1
fi

for preset in ci sanitize; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build "build/$preset" -j"$jobs"
  echo "== $preset tests"
  (cd "build/$preset" && ctest --output-on-failure -j"$jobs")
done

# The threads of the article hints, under the thread sanitizer (their test needs no data).
echo "== tsan build"
cmake --preset tsan
cmake --build build/tsan -j"$jobs" --target hint_worker_test
echo "== tsan tests"
(cd build/tsan && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --output-on-failure -j"$jobs" -R '^Hint')
