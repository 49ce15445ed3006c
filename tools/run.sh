#!/usr/bin/env bash
# Installs what is missing, builds the trainer with its practice data, and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
cd "$root"
cmake --preset release
cmake --build build/release -j"$(nproc)" --target quorvin
exec "$root/build/release/quorvin/quorvin"
