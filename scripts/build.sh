#!/usr/bin/env bash
# Configures and builds one flavour of the tree into build/FLAVOUR (or the folder given).
#   linux       the Linux program, tools and benchmarks, optimised
#   linux-test  the Linux tests with AddressSanitizer and UndefinedBehaviorSanitizer
#   win32       the static 32-bit Windows program and its tests (run under Wine)
#   fuzz        the libFuzzer targets, with clang and the sanitizers
# Usage: build.sh FLAVOUR [BUILD_DIR] [-- ninja arguments, e.g. -j2 veyra_tests]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:?flavour: linux, linux-test, win32 or fuzz}
dir=${2:-$root/build/$flavour}
shift $(( $# >= 2 ? 2 : 1 ))
[ "${1:-}" = "--" ] && shift

args=(-G Ninja -S "$root" -B "$dir")
case "$flavour" in
  linux) args+=(-DCMAKE_BUILD_TYPE=Release) ;;
  linux-test) args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEYRA_SANITIZE=ON) ;;
  win32)
    deps="$root/build/deps-win32"
    "$root/scripts/build-liblzma-win32.sh" "$deps"
    args+=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
           -DVEYRA_DEPS_PREFIX="$deps") ;;
  fuzz) args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang
               -DCMAKE_CXX_COMPILER=clang++ -DVEYRA_FUZZ=ON) ;;
  *) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac
[ -f "$dir/CMakeCache.txt" ] || cmake "${args[@]}" >/dev/null
cmake --build "$dir" -- "$@"
