#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the sound-file reader for a minute with libFuzzer (clang), starting from the game's own WAVs.
# Expects the build packages that `bash tools/dev.sh test` installs; installs clang itself.
#
#   bash tools/ci/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"

source tools/packages.sh
install_missing clang libclang-rt-14-dev

build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARGO_TESTS=OFF -DVARGO_FUZZ=ON >/dev/null
cmake --build "$build" --target wav_fuzzer

# The corpus grows across runs in the build folder; it starts from the game's sounds and every input the
# fuzzer ever failed on (tests/fuzz/regressions, which ctest replays too).
corpus="$build/corpus/wav"
mkdir -p "$corpus" "$build/crashes"
for wav in data/*.wav; do
  # The first byte picks the device format the fuzzer converts to.
  [ -e "$corpus/$(basename "$wav")" ] || { printf '\0'; cat "$wav"; } >"$corpus/$(basename "$wav")"
done

# Inputs up to the largest sound file the game reads (Sound::kMaxFileBytes) plus the device byte. A single
# allocation or a resident set above 1 GiB is a failure: the game's largest sound needs a small part of it.
max_len=$(((8 << 20) + 1))
echo "Fuzzing the WAV reader for ${seconds} s"
log="$build/fuzz.log"
status=0
"$build/tests/fuzz/wav_fuzzer" "$corpus" tests/fuzz/regressions -dict=tests/fuzz/wav.dict \
  -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix="$build/crashes/" >"$log" 2>&1 || status=$?
grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)" "$log" || true
if [ "$status" -ne 0 ]; then
  grep -E "ERROR|SUMMARY" "$log" >&2 || true
  echo "fuzz: the WAV reader failed (status $status); see $log, inputs in $build/crashes" >&2
  exit 1
fi
