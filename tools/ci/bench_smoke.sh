#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A very short run of every in-process benchmark, so CI notices when one stops building or working.
# The figures themselves come from bench/run.sh on a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_missing libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build build/bench --target vargo_bench
ctest --test-dir build/bench -R bench_smoke --output-on-failure
