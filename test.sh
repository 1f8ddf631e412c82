#!/usr/bin/env bash
# Installs what is missing, builds from scratch and runs every test headless:
# once in a release build, once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, followed by a short run of each fuzz target.
# With --quick only the release pass runs.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

run_tests() {
  local build=$1
  shift
  rm -rf "$build"
  cmake -S . -B "$build" "$@"
  cmake --build "$build" -j"$(nproc)"
  (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
}

if [ "${1:-}" != "--quick" ]; then
  run_tests build-sanitize -DCMAKE_BUILD_TYPE=Debug -DRIGSMITH_SANITIZE=ON -DRIGSMITH_BUILD_BENCH=OFF
  # Every reader under the fuzzer for a short while, on fresh corpora.
  rm -rf build-fuzz
  scripts/fuzz.sh 30
fi
run_tests build-test -DCMAKE_BUILD_TYPE=Release
