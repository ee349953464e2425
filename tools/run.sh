#!/usr/bin/env bash
# Builds Varnel.exe and starts it under Wine on your display.
# Without a display it runs a demonstration on a virtual one: a sample tree is cleaned
# through the real main dialog, the log and what is left of the tree are printed, and a
# screenshot of the window is saved (build/run/screenshot.png, or $VARNEL_SHOT).
#   tools/run.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash tools/setup.sh

build=${VARNEL_BUILD:-build}
out="$build/win32"
export WINEPREFIX=${WINEPREFIX:-$root/$build/wineprefix}
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/tools/mingw-i686.cmake" >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  cmake --build "$out" -j "$(nproc)" --target Varnel
  exec tools/wine-run "$out/app/Varnel.exe"
fi

cmake --build "$out" -j "$(nproc)" --target varnel_demo
shot=${VARNEL_SHOT:-$root/$build/run/screenshot.png}
mkdir -p "$(dirname "$shot")"

# The sample tree: files and folders named with "tmp" here and there, in any letter case.
demo="$root/$build/run/sample"
rm -rf "$demo" "$demo.ready" "$demo.stop"
mkdir -p "$demo/project/build_tmp/obj" "$demo/project/src" "$demo/photos/TMP" "$demo/notes"
for f in project/readme.txt project/src/main.c project/src/main.c.tmp project/build_tmp/obj/a.o \
         photos/cat.jpg photos/TMP/dog.jpg notes/todo.txt notes/todo.txt.tmp notes/Tmp_draft.doc; do
  echo "sample" >"$demo/$f"
done
winpath() { printf 'Z:%s' "${1//\//\\}"; }

echo "Sample tree $demo before the clean:"
(cd "$demo" && find . -mindepth 1 | sort | sed 's/^\.\//  /')

source tools/xvfb.sh
start_xvfb
# The virtual display has no window manager: Wine draws the demo window's frame itself.
tools/wine-run reg add 'HKCU\Software\Wine\AppDefaults\varnel_demo.exe\X11 Driver' \
  /v Managed /d N /f >/dev/null 2>&1


echo
echo "Cleaning with keyword \"tmp\", files and folders ticked:"
tools/wine-run "$out/tests/app/varnel_demo.exe" "$(winpath "$demo")" tmp \
  "$(winpath "$demo.ready")" "$(winpath "$demo.stop")" | tr -d '\r' &
demo_pid=$!
for _ in $(seq 600); do [ -s "$demo.ready" ] && break; sleep 0.1; done
if [ -s "$demo.ready" ]; then
  sleep 0.5
  import -window root -crop "$(tr -d '\r\n' <"$demo.ready")" +repage "$shot"
fi
touch "$demo.stop"
wait "$demo_pid"

echo
echo "Left in the tree:"
(cd "$demo" && find . -mindepth 1 | sort | sed 's/^\.\//  /')
if [ -f "$shot" ]; then echo; echo "Screenshot: $shot"; fi
rm -rf "$demo.ready" "$demo.stop"
