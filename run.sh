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
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
cd build/runtime
exec ./rigsmith "${args[@]}"
