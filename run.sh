#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from its runtime
# folder; extra arguments go to the program (a design file named relative to
# where run.sh was called from is found there).
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")"

args=()
for a in "$@"; do
  if [ -e "$caller/$a" ] && [[ "$a" != /* ]]; then
    args+=("$caller/$a")
  else
    args+=("$a")
  fi
done

scripts/install-deps.sh
# The player's build holds the program, the tools that draw its pictures and
# its runtime folder; the tests and benchmarks are ./test.sh's.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DRIGSMITH_BUILD_TESTS=OFF -DRIGSMITH_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
cd build/runtime
exec ./rigsmith "${args[@]}"
