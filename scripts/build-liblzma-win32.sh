#!/usr/bin/env bash
# Cross-builds a static liblzma for the Windows target from Debian's xz-utils source package.
# Usage: build-liblzma-win32.sh PREFIX   (does nothing when PREFIX already holds the library)
set -euo pipefail
prefix=$(realpath -m "$1")
[ -f "$prefix/lib/liblzma.a" ] && exit 0

work="$prefix/src"
rm -rf "$work" && mkdir -p "$work"
cd "$work"
apt-get source --download-only xz-utils >/dev/null 2>&1 || apt-get source --download-only xz-utils
dpkg-source --no-check -x ./xz-utils_*.dsc xz >/dev/null
cd xz
./configure --host=i686-w64-mingw32 --prefix="$prefix" \
  CC=i686-w64-mingw32-gcc-posix AR=i686-w64-mingw32-ar RANLIB=i686-w64-mingw32-ranlib CFLAGS="-O2" \
  --enable-static --disable-shared --disable-xz --disable-xzdec --disable-lzmadec \
  --disable-lzmainfo --disable-scripts --disable-doc --disable-nls --enable-threads=vista \
  >/dev/null
make -j"$(nproc)" -C src/liblzma >/dev/null
make -C src/liblzma install >/dev/null
rm -rf "$work"
echo "liblzma for Windows installed in $prefix"
