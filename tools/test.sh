#!/usr/bin/env bash
# Builds the three trees and runs every test: the native build under the sanitizers, and
# both Windows builds under the Wine of their architecture on one private virtual display:
# x64 always, x86 where this machine can execute 32-bit code.
#   tools/test.sh            (build root: build/)
#   VARNEL_BUILD=DIR tools/test.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash tools/setup.sh
source tools/arch.sh
# A lower folder never includes a higher one (framework < engine < controls < dialog < app).
bash tools/check-layers.sh

out=${VARNEL_BUILD:-build}
jobs=$(nproc)

cmake -S . -B "$out/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$out/native" -j "$jobs"
for arch in x86 x64; do
  cmake -S . -B "$out/$(arch_tree $arch)" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/$(arch_toolchain $arch)" >/dev/null
  cmake --build "$out/$(arch_tree $arch)" -j "$jobs"
done

export WINEPREFIX=${WINEPREFIX:-$root/$out/wineprefix-test} VARNEL_TEST_PREFIX=1
source tools/xvfb.sh
start_xvfb

status=0
(cd "$out/native" && ctest --output-on-failure) || status=1
(cd "$out/win64" && ctest --output-on-failure --timeout 600) || status=1
if x86_runs; then
  (cd "$out/win32" && ctest --output-on-failure --timeout 600) || status=1
else
  echo "x86 tests not run: this machine cannot execute 32-bit code ($out/win32 is built)."
fi
exit $status
