#!/usr/bin/env bash
# Builds Varnel.exe and starts it under Wine on your display (the x86 build where this
# machine can run 32-bit code, else the x64 one).
# Without a display it runs a demonstration on a virtual one: a sample tree is cleaned
# through the real main dialog, the log and what is left of the tree are printed, and a
# screenshot of the window is saved (build/run/screenshot.png, or $VARNEL_SHOT).
#   tools/run.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash tools/setup.sh
source tools/arch.sh

# The x86 build where this machine runs 32-bit code, else the x64 one; VARNEL_ARCH=x64 (or x86)
# chooses.
export VARNEL_ARCH=${VARNEL_ARCH:-$(default_arch)}
build=${VARNEL_BUILD:-build}
out="$build/$(arch_tree "$VARNEL_ARCH")"
# VARNEL_DPI=144 (or 192...) shows it on a display of that scale, in a prefix of its own.
export WINEPREFIX=${WINEPREFIX:-$root/$build/wineprefix}-$(arch_tree "$VARNEL_ARCH")${VARNEL_DPI:+-dpi$VARNEL_DPI}
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/$(arch_toolchain "$VARNEL_ARCH")" >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  cmake --build "$out" -j "$(nproc)" --target Varnel
  exec tools/wine-run "$out/app/Varnel.exe"
fi

cmake --build "$out" -j "$(nproc)" --target varnel_demo
shot=${VARNEL_SHOT:-$root/$build/run/screenshot.png}
mkdir -p "$(dirname "$shot")"

# The sample tree, on the prefix's own C: drive (C:\示例): files and folders named with "tmp"
# here and there, in any letter case and several scripts.
tools/wine-run cmd /c rem >/dev/null 2>&1  # makes the prefix on first use
demo="$WINEPREFIX/drive_c/示例"
signals="$root/$build/run"
mkdir -p "$signals"
rm -rf "$demo" "$signals/ready" "$signals/stop"
mkdir -p "$demo/project/build_tmp/obj" "$demo/project/src" "$demo/photos/TMP" "$demo/笔记"
for f in project/readme.txt project/src/main.c project/src/main.c.tmp project/build_tmp/obj/a.o \
         photos/cat.jpg photos/TMP/dog.jpg photos/tmp_😀.png 笔记/todo.txt 笔记/todo.txt.tmp \
         笔记/Tmp_草稿.doc; do
  echo "sample" >"$demo/$f"
done
mode=${VARNEL_DEMO:-run}
if [ "$mode" = hold ]; then
  # Enough to be in the middle of.
  mkdir -p "$demo/cache"
  for i in $(seq 100 199); do echo "sample" >"$demo/cache/page_$i.tmp"; done
fi
winpath() { printf 'Z:%s' "${1//\//\\}"; }

echo "Sample tree C:\\示例 ($demo) before the clean:"
(cd "$demo" && find . -mindepth 1 | sort | sed 's/^\.\//  /')

source tools/xvfb.sh
start_xvfb
# The virtual display has no window manager: Wine draws the demo window's frame itself.
tools/wine-run reg add 'HKCU\Software\Wine\AppDefaults\varnel_demo.exe\X11 Driver' \
  /v Managed /d N /f >/dev/null 2>&1


echo
echo "Cleaning with keyword \"tmp\", files and folders ticked ($mode):"
tools/wine-run "$out/tests/app/varnel_demo.exe" 'C:\示例' tmp \
  "$(winpath "$signals/ready")" "$(winpath "$signals/stop")" "$mode" | tr -d '\r' &
demo_pid=$!
for _ in $(seq 600); do [ -s "$signals/ready" ] && break; sleep 0.1; done
if [ -s "$signals/ready" ]; then
  sleep 0.5
  import -window root -crop "$(tr -d '\r\n' <"$signals/ready")" +repage "$shot"
fi
touch "$signals/stop"
wait "$demo_pid"

echo
echo "Left in the tree:"
(cd "$demo" && find . -mindepth 1 | sort | sed 's/^\.\//  /')
if [ -f "$shot" ]; then echo; echo "Screenshot: $shot"; fi
rm -rf "$signals/ready" "$signals/stop"
