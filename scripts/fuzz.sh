#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each in turn
# for SECONDS (default 30) on a corpus seeded from data/ and the tests'
# fixtures. The corpora live in build-fuzz/corpus and keep what a run found
# for the next one; a crash, hang or leak leaves its input in
# build-fuzz/findings and fails the run.
#
#   scripts/fuzz.sh [SECONDS [TARGET...]]     TARGET: design profile rules import
#
# FUZZ_JOBS limits the build's parallel jobs; FUZZ_OPTIONS adds libFuzzer
# options to every run (say -len_control=0 to try long inputs from the start).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(design profile rules import)

build=build-fuzz
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRIGSMITH_FUZZ=ON -DRIGSMITH_BUILD_TESTS=OFF -DRIGSMITH_BUILD_BENCH=OFF
fi
cmake --build "$build" -j"${FUZZ_JOBS:-$(nproc)}" --target $(printf 'fuzz_%s ' "${targets[@]}")

# Copies the seed files into the target's corpus under names of their path.
seed() {
  local corpus=$build/corpus/$1
  shift
  mkdir -p "$corpus"
  for file in "$@"; do
    cp "$file" "$corpus/seed-${file//\//_}"
  done
}

# The rules target's first byte picks the data file, by its place in the
# shipped Data folder in byte order.
seed_rules() {
  local corpus=$build/corpus/rules index=0 name source
  mkdir -p "$corpus"
  while read -r name; do
    for source in data/Data tests/model/fixtures/readers/Data; do
      if [ -f "$source/$name" ]; then
        { printf "\\$(printf '%03o' "$index")"; cat "$source/$name"; } >"$corpus/seed-${source//\//_}_$name"
      fi
    done
    index=$((index + 1))
  done < <(ls data/Data | LC_ALL=C sort)
}

# Import inputs stay around the size of a long stat block, where the
# mutations that matter happen; each finishes well within the timeout.
# A rules file is mutated whole from the start, not cut to a short head.
options() {
  case $1 in
    import) echo -max_len=3000 -timeout=20 ;;
    rules) echo -len_control=0 -timeout=20 ;;
    *) echo -timeout=20 ;;
  esac
}

mkdir -p "$build/findings"
failed=()
for target in "${targets[@]}"; do
  case $target in
    design) seed design data/Designs/*.vx tests/model/fixtures/designfile/*.vx ;;
    profile) seed profile data/Designs/*.vx tests/model/fixtures/designfile/*.vx data/Data/*.txt ;;
    rules) seed_rules ;;
    import) seed import tests/gamecar/expected/*.txt ;;
    *) echo "No fuzz target '$target'" >&2; exit 2 ;;
  esac
  echo "== fuzz_$target for $seconds s"
  # shellcheck disable=SC2046
  if ! "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 $(options "$target") \
      ${FUZZ_OPTIONS:-} -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      "$build/corpus/$target"; then
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found a failure in: ${failed[*]} (inputs in $build/findings)" >&2
  exit 1
fi
