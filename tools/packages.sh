# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the set-up and CI scripts: installs the Debian packages that are missing, with sudo when
# not root, and runs apt-get update at most once per run.
install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  if [ -z "${VARGO_APT_UPDATED:-}" ]; then
    "${sudo[@]}" apt-get update -qq
    export VARGO_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq -o DPkg::Lock::Timeout=900 --no-install-recommends "${missing[@]}"
}
