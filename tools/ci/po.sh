#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translations under po/: the template is what the game's texts and pictures make it (tools/pot.cpp),
# and every catalogue passes msgfmt --check with no fuzzy, untranslated or obsolete entry.
#
#   bash tools/ci/po.sh [BUILD_DIR]     (default build/release, configured and built here when missing)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/release}

source tools/packages.sh
install_missing gettext

if [ ! -d "$build" ]; then
  cmake --preset release
fi
cmake --build "$build" --target vargo_pot

fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
"$build/tools/vargo_pot" resources/images/*.svg >"$fresh"
if ! diff -u po/vargo.pot "$fresh"; then
  echo "po.sh: po/vargo.pot differs from the game's texts; write it anew with $build/tools/vargo_pot resources/images/*.svg" >&2
  exit 1
fi

for po in po/*.po; do
  msgfmt --check --statistics -o /dev/null "$po"
  counts=$(LC_ALL=C msgfmt --statistics -o /dev/null "$po" 2>&1)
  case "$counts" in
    *fuzzy* | *untranslated*) echo "po.sh: $po: $counts" >&2 && exit 1 ;;
  esac
  if grep -q '^#~' "$po"; then
    echo "po.sh: $po keeps obsolete entries" >&2
    exit 1
  fi
  # Every text of the template is in the catalogue and no other.
  if ! diff <(msgcomm --no-wrap -u --omit-header po/vargo.pot "$po" | grep -c '^msgid') <(echo 0) >/dev/null; then
    echo "po.sh: $po and po/vargo.pot do not hold the same texts" >&2
    exit 1
  fi
done
echo "po.sh: po/vargo.pot is up to date; $(ls po/*.po | wc -l) catalogue(s) complete"
