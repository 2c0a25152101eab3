#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Stands in for the game in the Xvfb tests: runs build/release/vargo under valgrind's memcheck, so that a
# scripted play of the real game shows no memory error and no leak. Each process of it (SDL forks a few) reports to VALGRIND_LOG.<pid>; an
# error or a leak ends the game with status 3, which the scripted play takes for a failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
exec valgrind --tool=memcheck --error-exitcode=3 --leak-check=full --show-leak-kinds=definite,indirect \
  --errors-for-leak-kinds=definite,indirect --suppressions="$root/tools/ci/valgrind.supp" \
  --log-file="${VALGRIND_LOG:?}.%p" "$root/build/release/vargo" "$@"
