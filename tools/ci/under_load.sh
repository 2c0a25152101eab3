#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole test suite, run several times in a row while as many CPU-bound processes as the machine has
# cores run beside it: the suite must not depend on an idle machine. Builds the release preset first.
#
#   bash tools/ci/under_load.sh [runs]      (3 unless told)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs="${1:-3}"

cmake --preset release >/dev/null
cmake --build --preset release

hogs=()
stop_hogs() { kill "${hogs[@]}" 2>/dev/null || true; }
trap stop_hogs EXIT
for ((i = 0; i < $(nproc); i++)); do
  bash -c 'while :; do :; done' &
  hogs+=($!)
done

for ((run = 1; run <= runs; run++)); do
  echo "== run $run of $runs beside $(nproc) busy processes (load $(cut -d' ' -f1 /proc/loadavg))"
  ctest --preset release --parallel "$(nproc)" || { echo "under_load: run $run failed" >&2; exit 1; }
done
echo "under_load: $runs runs in a row passed"
