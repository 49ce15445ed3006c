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
