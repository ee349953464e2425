#!/usr/bin/env bash
# Installs every Debian package the project needs; returns at once when all is there.
# 32-bit Wine is installed on every machine, also where the kernel cannot run it: the x86
# tree is built everywhere, and its tests run where 32-bit code does.
set -euo pipefail

packages=(
  cmake make g++ googletest
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 wine32:i386 xvfb fonts-wqy-zenhei fonts-wqy-microhei locales imagemagick xdotool x11-utils
)

# Wine draws the caption buttons with Marlett, from Wine's own font package. Only that font is
# taken (tools/wine-run copies it into each prefix): the package's others would replace the
# fonts the pixel tests were written against.
marlett=/usr/local/share/varnel/marlett.ttf

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# A Chinese system and an English one (code pages 936 and 1252 under Wine).
locales=(zh_CN en_US)
missing_locales=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qi "^$l\.utf8$" || missing_locales+=("$l")
done

if [ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && [ -f "$marlett" ]; then
  exit 0
fi

run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  dpkg --print-foreign-architectures | grep -qx i386 || run dpkg --add-architecture i386
  run apt-get update -qq
  run env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ${#missing_locales[@]} -gt 0 ]; then
  for l in "${missing_locales[@]}"; do
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "$l.UTF-8 UTF-8" | run tee -a /etc/locale.gen >/dev/null
  done
  run locale-gen >/dev/null
fi

if [ ! -f "$marlett" ]; then
  deb=$(mktemp -d)
  (cd "$deb" && { apt-get download -qq fonts-wine 2>/dev/null || { run apt-get update -qq && apt-get download -qq fonts-wine; }; })
  run mkdir -p "$(dirname "$marlett")"
  dpkg-deb --fsys-tarfile "$deb"/fonts-wine_*.deb | tar -xO ./usr/share/wine/fonts/marlett.ttf | run tee "$marlett" >/dev/null
  rm -rf "$deb"
fi
