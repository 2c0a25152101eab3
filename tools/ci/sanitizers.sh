#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the game clean of memory and undefined-behaviour faults:
#  1. builds the `asan` preset (AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer) and runs the
#     whole test suite with a random play of a million events;
#  2. plays the whole road of the game and a random play under valgrind's memcheck, which must report no
#     error and no leak;
#  3. plays the real game's scripted roads (the first level, the front end) under Xvfb with the game under
#     memcheck, with the same demand.
# Expects the packages of `bash tools/dev.sh test`; installs valgrind itself.
#
#   bash tools/ci/sanitizers.sh [random-play events]
set -euo pipefail
cd "$(dirname "$0")/../.."
events="${1:-1000000}"

source tools/packages.sh
install_missing valgrind

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tools/ci/lsan.supp:print_suppressions=0"

echo "== AddressSanitizer + UBSan: the whole suite"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan --parallel "$(nproc)" --timeout 900

# The long random play, split over the cores: each worker plays its share with a seed of its own.
workers=$(nproc)
echo "== AddressSanitizer + UBSan: random play of $events events in $workers workers"
mkdir -p build/asan/tests/run
pids=()
for ((w = 0; w < workers; w++)); do
  (cd build/asan/tests/run && SDL_AUDIODRIVER=dummy VARGO_RANDOM_EVENTS=$((events / workers)) \
    timeout 1500 ../vargo_tests --gtest_filter='RandomPlay.*' --gtest_brief=1 >"../random_play.$w.log" 2>&1) &
  pids+=($!)
done
failed=0
for ((w = 0; w < workers; w++)); do
  wait "${pids[$w]}" || failed=1
  grep -E '^random play|Failure|ERROR|runtime error' "build/asan/tests/random_play.$w.log" || true
done
[ "$failed" -eq 0 ] || { echo "sanitizers: random play failed; logs in build/asan/tests/" >&2; exit 1; }

echo "== valgrind memcheck: the whole road and a random play"
cmake --preset release >/dev/null
cmake --build --preset release --target vargo_tests
mkdir -p build/release/tests/run
log=build/release/tests/valgrind.log
(
  cd build/release/tests/run
  SDL_AUDIODRIVER=dummy VARGO_RANDOM_EVENTS=20000 timeout 900 valgrind --tool=memcheck --error-exitcode=1 \
    --leak-check=full --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
    --suppressions="$OLDPWD/tools/ci/valgrind.supp" \
    ../vargo_tests --gtest_filter='FullGame.*:RandomPlay.*' --gtest_brief=1
) >"$log" 2>&1 || { cat "$log" >&2; echo "sanitizers: valgrind found faults" >&2; exit 1; }
grep -E '^random play|ERROR SUMMARY|definitely lost|indirectly lost|PASSED' "$log"
grep -q 'PASSED  \] 2 tests' "$log" || { cat "$log" >&2; echo "sanitizers: the valgrind run played nothing" >&2; exit 1; }
echo "== valgrind memcheck: the real game played through its first level and its front end"
cmake --build --preset release --target vargo close_request
export VALGRIND_LOG=$PWD/build/release/tests/valgrind-game/vargo
rm -rf "${VALGRIND_LOG%/*}" && mkdir -p "${VALGRIND_LOG%/*}"
for road in level front_end; do
  bash tests/e2e/play.sh "$road" "$PWD/tools/ci/valgrind_game.sh" build/release/tests/fault/close_request \
    "$PWD/data" || { cat "$VALGRIND_LOG".* >&2; echo "sanitizers: the $road road failed under valgrind" >&2; exit 1; }
done
grep -h 'ERROR SUMMARY' "$VALGRIND_LOG".*
echo "sanitizers: clean"
