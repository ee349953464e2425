# Sourced by the benchmark scripts (root must be set): the architecture measured, the scratch
# folder the trees are made in, and one Wine for every measured program.

source "$root/tools/arch.sh"

# bench_arch [ARCH]: the architecture measured (x86 or x64; none: the one tools/wine-run uses
# unless told), kept in VARNEL_ARCH; refuses x86 where this machine cannot run 32-bit code.
bench_arch() {
  export VARNEL_ARCH=${1:-$(default_arch)}
  arch_tree "$VARNEL_ARCH" >/dev/null || return 2
  if [ "$VARNEL_ARCH" = x86 ] && ! x86_runs; then
    echo "x86 cannot run here: this machine cannot execute 32-bit code (use --arch x64)" >&2
    return 2
  fi
}

# The options every benchmark takes, and their defaults (each script sets its own sizes and runs).
seed=1
scratch=/tmp/varnel-bench
build=""
arch=""

# bench_option NAME VALUE: takes one of those options; false for any other.
bench_option() {
  case $1 in
    --sizes) sizes=$2 ;;
    --runs) runs=$2 ;;
    --seed) seed=$2 ;;
    --scratch) scratch=$2 ;;
    --build) build=$2 ;;
    --arch) arch=$2 ;;
    *) return 1 ;;
  esac
}

# bench_options ARGS...: every argument one of those options with its value; stops the script
# on any other.
bench_options() {
  while [ $# -gt 0 ]; do
    bench_option "$1" "${2:-}" || { echo "unknown option $1" >&2; exit 2; }
    shift 2
  done
}

# bench_prepare: the architecture, the build folder (default build/bench-win32 or -win64), the
# scratch folder made absolute, and the packages.
bench_prepare() {
  bench_arch "$arch"
  build=${build:-$root/build/bench-$(arch_tree "$VARNEL_ARCH")}
  scratch=$(bench_scratch "$scratch")
  bash "$root/tools/setup.sh"
}

# bench_build SOURCE BUILD TARGET...: the benchmark programs of a source tree, for the
# architecture measured.
bench_build() {
  local source=$1 out=$2; shift 2
  cmake -S "$source" -B "$out" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/$(arch_toolchain "$VARNEL_ARCH")" >/dev/null
  cmake --build "$out" -j "$(nproc)" --target "$@" >/dev/null
}

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
  export WINEPREFIX=${WINEPREFIX:-$root/build/wine-bench}-$(arch_tree "$VARNEL_ARCH")
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
