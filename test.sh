#!/usr/bin/env bash
# Installs what is missing, builds from scratch and runs every test headless.
# With --sanitize the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

build=build-test
flags=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DRIGSMITH_SANITIZE=ON -DRIGSMITH_BUILD_BENCH=OFF)
fi

scripts/install-deps.sh
rm -rf "$build"
cmake -S . -B "$build" "${flags[@]}"
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
