#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the source tree itself: the game's rules above the platform (ui/, names/, levels/, screens/) include
# nothing of media/, platform/ or SDL, every C++ file is formatted with the project's .clang-format, and
# every source file opens with its SPDX licence line.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_missing clang-format-14 git

failed=0

# Layers that must stay free of pixels, windows and sound, and what they may not include.
above_platform=(src/ui src/names src/levels src/screens)
forbidden='#[[:space:]]*include[[:space:]]*[<"](media/|platform/|SDL|\.\./)'
if grep -rnE "$forbidden" "${above_platform[@]}"; then
  echo "check_tree: the includes above reach below the game's rules (media/, platform/, SDL or ../)" >&2
  failed=1
fi

mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
if ! clang-format-14 --dry-run --Werror "${sources[@]}"; then
  echo "check_tree: the files above are not clang-formatted (clang-format-14 -i FILE)" >&2
  failed=1
fi

if ! bash tools/ci/spdx.sh check; then
  echo "check_tree: the files above lack their licence line (bash tools/ci/spdx.sh fix)" >&2
  failed=1
fi

[ "$failed" -eq 0 ] && echo "check_tree: layers, formatting and licence lines hold (${#sources[@]} files)"
exit "$failed"
