#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists (check) or adds (fix) the SPDX licence line that heads every source file of the game.
#
#   bash tools/ci/spdx.sh check|fix
set -euo pipefail
cd "$(dirname "$0")/../.."

code_id="SPDX-License-Identifier: GPL-3.0-or-later"

comment_for() {
  case "$1" in
    *.cpp | *.h) echo "//" ;;
    *) echo "#" ;;
  esac
}

sources() {
  git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tests/*.sh' 'tests/*.py' \
    'bench/*.cpp' 'bench/*.h' 'bench/*.sh' 'bench/*.py' 'tools/*.cpp' 'tools/*.h' 'tools/*.sh' 'tools/*.py' \
    'docs/*.sh' 'cmake/*.cmake' '*CMakeLists.txt' '.ci/run'
}

missing=()
while IFS= read -r f; do
  head -n 3 "$f" | grep -q "SPDX-License-Identifier:" || missing+=("$f")
done < <(sources)

case "${1:-}" in
  check)
    if [ ${#missing[@]} -ne 0 ]; then
      printf 'spdx: no licence line in %s\n' "${missing[@]}" >&2
      exit 1
    fi
    ;;
  fix)
    for f in "${missing[@]}"; do
      line="$(comment_for "$f") $code_id"
      if head -n 1 "$f" | grep -q '^#!'; then
        sed -i "1a $line" "$f"
      else
        sed -i "1i $line" "$f"
      fi
    done
    ;;
  *)
    echo "usage: bash tools/ci/spdx.sh check|fix" >&2
    exit 2
    ;;
esac
