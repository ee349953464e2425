#!/usr/bin/env bash
# Measures a clean run side by side under one Wine: the floor (bare enumeration, bare delete
# loop), the engine without windows, the whole clean command in the real dialog (visible and
# hidden), a preview with its log then sorted by size and copied whole, and the peers (cmd's
# del and rd). Prints a Markdown table of medians.
#   bench/run.sh [--sizes "10000 100000"] [--runs 3] [--seed 1] [--scratch DIR] [--build DIR]
#                [--arch x86|x64]
# Trees are made under the scratch folder (default /tmp/varnel-bench; Wine sees it as Z:\...)
# and restored after every deleting step. Raw results: SCRATCH/results.txt.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/bench/harness.sh"

sizes="10000 100000"
runs=3
bench_options "$@"
keyword=junk
bench_prepare
bench_build "$root" "$build" bench_floor bench_engine bench_dialog bench_peers
bin=$build/bench

bench_start_wine

results=$scratch/results.txt
: >"$results"
windows_path() { echo "Z:${1//\//\\}"; }

# run_step SIZE RUN TREE EXPECTED_LEFT PROGRAM ARGS...: one measurement, its result line kept,
# then a check that exactly the expected objects are left, then the tree made whole again.
run_step() {
  local size=$1 run=$2 tree=$3 expected=$4; shift 4
  local output left
  output=$("$root/tools/wine-run" "$@" | tr -d '\r') ||
    echo "size=$size run=$run $(basename "$1") ${*:2}: the program failed" >&2
  grep '^RESULT' <<<"$output" | sed "s/^RESULT/size=$size run=$run/" >>"$results"
  grep '^MESSAGES' <<<"$output" | sed "s/^MESSAGES/size=$size/" >>"$scratch/messages.txt" || true
  left=$(($(find "$tree" | wc -l) - 1))
  if [ "$left" != "$expected" ]; then
    echo "size=$size run=$run $(basename "$1") ${*:2}: $left objects left, expected $expected" >&2
    echo "size=$size run=$run WRONG_RESULT $(basename "$1") ${*:2} left=$left expected=$expected" \
      >>"$results"
  fi
  python3 "$root/bench/make_tree.py" "$tree" --objects "$size" --seed "$seed" \
          --keyword "$keyword" --restore >/dev/null
}

: >"$scratch/messages.txt"
first_size=${sizes%% *}
for size in $sizes; do
  tree=$scratch/tree$size
  echo "== $size objects: making the tree" >&2
  summary=$(python3 "$root/bench/make_tree.py" "$tree" --objects "$size" --seed "$seed" \
                    --keyword "$keyword" --manifest "$scratch/manifest$size.txt" | tail -1)
  echo "size=$size tree $summary" >>"$results"
  total=$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["objects"])' "$summary")
  survivors=$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["survivors"])' "$summary")
  win_tree=$(windows_path "$tree")
  win_manifest=$(windows_path "$scratch/manifest$size.txt")
  for run in $(seq "$runs"); do
    echo "   run $run of $runs" >&2
    run_step "$size" "$run" "$tree" "$total" "$bin/bench_floor.exe" enum "$win_tree"
    run_step "$size" "$run" "$tree" "$survivors" "$bin/bench_floor.exe" delete "$win_tree" "$win_manifest"
    run_step "$size" "$run" "$tree" "$survivors" "$bin/bench_engine.exe" "$win_tree" "$keyword"
    run_step "$size" "$run" "$tree" "$survivors" "$bin/bench_dialog.exe" "$win_tree" "$keyword" hidden
    run_step "$size" "$run" "$tree" "$survivors" "$bin/bench_dialog.exe" "$win_tree" "$keyword" visible
    # The first preview's window, its log sorted by size, is kept: SCRATCH/previewSIZE.bmp.
    image=()
    [ "$run" = 1 ] && image=("$(windows_path "$scratch/preview$size.bmp")")
    run_step "$size" "$run" "$tree" "$total" "$bin/bench_dialog.exe" "$win_tree" "$keyword" preview \
             "${image[@]}"
    run_step "$size" "$run" "$tree" "$survivors" "$bin/bench_peers.exe" "$win_tree" "$keyword"
  done
  # Where the dialog's time goes, once, at the smallest size (hooks slow it down).
  if [ "$size" = "$first_size" ]; then
    run_step "$size" 0 "$tree" "$survivors" "$bin/bench_dialog.exe" "$win_tree" "$keyword" count
  fi
  rm -rf "$tree"
done

python3 "$root/bench/report.py" "$results" "$scratch/messages.txt"
