# Sourced by the benchmark scripts (root must be set): the scratch folder the trees are made in,
# and one Wine for every measured program.

# bench_scratch DIR: prints DIR made absolute; Wine sees it as Z:\..., so it must be plain ASCII.
bench_scratch() {
  local dir
  dir=$(mkdir -p "$1" && cd "$1" && pwd)
  case $dir in *[!A-Za-z0-9_./-]*) echo "scratch path must be plain ASCII" >&2; return 2 ;; esac
  echo "$dir"
}

# bench_start_wine: a private display and one persistent wine server for every program (quick
# starts), both ended when the script exits.
bench_start_wine() {
  export WINEPREFIX=${WINEPREFIX:-$root/build/wine-bench}
  source "$root/tools/xvfb.sh"
  start_xvfb
  trap bench_finish EXIT
  "$root/tools/wine-run" cmd.exe /c rem  # makes the prefix once
  wineserver -w
  wineserver -p
}

bench_finish() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${XVFB_PID:-}" ]; then stop_xvfb; fi
}
