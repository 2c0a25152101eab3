# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build libraries from Debian's own sources for another platform.

version_of() { dpkg-query -W -f='${Version}' "$1"; }

# The cache folder for libraries built from these sources, named by the versions of what built them, so
# that a new version builds anew.
cache_folder() { # stem, then name:package pairs whose package versions go into the name
  local stem=$1 key="" pair
  shift
  for pair in "$@"; do key+="-${pair%%:*}_$(version_of "${pair#*:}")"; done
  echo "${VARGO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}}/$stem$(echo "$key" | tr -c 'A-Za-z0-9._\n-' '_')"
}

# A private apt configuration under a work folder whose sources are the machine's own, as deb-src: the
# system's files are only read. Sets apt_options for fetch_source.
apt_private() { # work folder
  local etc=$1/apt/sources.list.d
  mkdir -p "$etc" "$1/apt/state/lists/partial" "$1/apt/cache/archives/partial"
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >>"$etc/machine.list"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$etc/$(basename "$f")"
  done
  apt_options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$etc"
    -o "Dir::State=$1/apt/state" -o "Dir::Cache=$1/apt/cache" -o APT::Sandbox::User=root)
  echo "deps: reading the source indexes" >&2
  apt-get "${apt_options[@]}" -qq update
}

fetch_source() { # folder, source package, version -> the unpacked source folder
  (cd "$1" && apt-get "${apt_options[@]}" -qq source --only-source "$2=$3" >/dev/null 2>&1)
  find "$1" -maxdepth 1 -mindepth 1 -type d -name "$2-*" -o -maxdepth 1 -type d -name "${2#lib}-*" |
    head -1
}

# Configures, builds and installs one CMake source, static and in Release, into a prefix with a toolchain;
# on a failing step shows the end of its log and stops the script.
install_static() { # toolchain, prefix, source folder, cmake options...
  local toolchain=$1 prefix=$2 src=$3
  shift 3
  {
    cmake -S "$src" -B "$src/_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_SHARED_LIBS=OFF "$@" && cmake --build "$src/_build" -j2 && cmake --install "$src/_build"
  } >"$src/_build.log" 2>&1 || {
    tail -30 "$src/_build.log" >&2
    exit 1
  }
}
