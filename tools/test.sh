#!/usr/bin/env bash
# Builds both trees and runs every test: the native build under the sanitizers, the
# Windows build under Wine on one private virtual display.
#   tools/test.sh            (build root: build/)
#   VARNEL_BUILD=DIR tools/test.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash tools/setup.sh
# A lower folder never includes a higher one (framework < engine < controls < dialog < app).
bash tools/check-layers.sh

out=${VARNEL_BUILD:-build}
jobs=$(nproc)

cmake -S . -B "$out/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$out/native" -j "$jobs"
cmake -S . -B "$out/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/tools/mingw-i686.cmake" >/dev/null
cmake --build "$out/win32" -j "$jobs"

export WINEPREFIX=${WINEPREFIX:-$root/$out/wineprefix-test} VARNEL_TEST_PREFIX=1
source tools/xvfb.sh
start_xvfb

status=0
(cd "$out/native" && ctest --output-on-failure) || status=1
(cd "$out/win32" && ctest --output-on-failure --timeout 600) || status=1
exit $status
