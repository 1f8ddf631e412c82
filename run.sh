#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from its runtime
# folder; extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
cd build/runtime
exec ./rigsmith "$@"
