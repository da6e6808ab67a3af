#!/usr/bin/env bash
# The HTTP client against curl on loopback from nginx: throughput of a 1 GiB file into a file,
# files per second for 2,000 files of 4 KiB over one kept-alive connection, and peak memory.
# Usage: http.sh BUILD_DIR   (an optimised build: scripts/build.sh linux); needs about 3 GiB in
# BUILD_DIR/http-bench.
set -euo pipefail
build=${1:?build folder}
"$build/bench/http_bench" "$build/http-bench"
