#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  g++-mingw-w64-i686-posix mingw-w64-tools binutils-mingw-w64-i686
  wine wine64 wine32:i386
  liblzma-dev xz-utils libssl-dev openssl zlib1g-dev
  libx11-dev libxext-dev libstb-dev fonts-dejavu-core
  libgtest-dev libgmock-dev googletest libbenchmark-dev libpugixml-dev
  xvfb xauth x11-apps imagemagick nginx-light curl time
  dpkg-dev
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  need_update=1
fi

# Source packages (xz-utils for the Windows build of liblzma) need deb-src entries that mirror
# the machine's own Debian sources.
src_list=/etc/apt/sources.list.d/veyra-deb-src.sources
if [ ! -f "$src_list" ] && [ -f /etc/apt/sources.list.d/debian.sources ]; then
  sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$src_list" >/dev/null
  need_update=1
elif [ ! -f "$src_list" ] && [ -f /etc/apt/sources.list ]; then
  grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee /etc/apt/sources.list.d/veyra-deb-src.list >/dev/null
  need_update=1
fi

todo=$(missing)
if [ -n "$todo" ] || [ -n "${need_update:-}" ]; then
  as_root apt-get update -qq
  todo=$(missing)
fi
if [ -n "$todo" ]; then
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends $todo
fi
echo "setup: all packages present"
