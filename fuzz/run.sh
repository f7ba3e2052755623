#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and the sanitizers and runs each for
# the given number of seconds (default 60). Inputs that once found a fault
# (fuzz/regressions/<name>) are run first; the seed corpus
# (fuzz/corpus/<name>) is copied into a work corpus in the build folder so
# that the repository stays unchanged. WINTOOLS_WERROR=ON in the environment
# makes compiler warnings errors, as in CI.
#
# Usage: fuzz/run.sh [seconds] [build folder] [harness...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
top="$(dirname "$here")"
seconds="${1:-60}"
build="${2:-$top/build-fuzz}"
shift $(( $# > 2 ? 2 : $# ))
harnesses=("$@")
[ "${#harnesses[@]}" -gt 0 ] ||
  harnesses=(fuzz_line_reader fuzz_tables fuzz_header fuzz_config fuzz_lint)

cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWINTOOLS_BUILD_FUZZERS=ON \
  -DWINTOOLS_SANITIZE=ON -DWINTOOLS_BUILD_TESTS=OFF \
  -DWINTOOLS_WERROR="${WINTOOLS_WERROR:-OFF}" >/dev/null
cmake --build "$build" --parallel 2 --target "${harnesses[@]}" >/dev/null

for harness in "${harnesses[@]}"; do
  binary="$build/fuzz/$harness"
  # libFuzzer's report of a failure is long; the runs write it to a log and
  # only its end is shown.
  log="$build/$harness.log"
  regressions="$here/regressions/$harness"
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    echo "== $harness: regression inputs"
    if ! "$binary" -runs=0 "$regressions"/* >"$log" 2>&1; then
      tail -n 25 "$log"
      echo "$harness: regression inputs failed" >&2
      exit 1
    fi
    tail -n 1 "$log"
  fi
  corpus="$build/corpus/$harness"
  mkdir -p "$corpus"
  cp -n "$here/corpus/$harness"/* "$corpus"/ 2>/dev/null || true
  echo "== $harness: fuzzing for $seconds seconds"
  # Artifacts of a crash land in the build folder, named after the harness.
  if ! (cd "$build" && "$binary" -max_total_time="$seconds" -max_len=8192 \
          -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
          -artifact_prefix="$build/$harness-" "$corpus" >"$log" 2>&1); then
    tail -n 25 "$log"
    shopt -s nullglob
    artifacts=("$build/$harness"-*)
    echo "$harness: fuzzing failed (artifacts: ${artifacts[*]:-none})" >&2
    exit 1
  fi
  grep -E '^(Done |stat::)' "$log" || true
done
