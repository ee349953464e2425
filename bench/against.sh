#!/usr/bin/env bash
# The clean command of this tree against that of another commit, in the real dialog shown, on
# the trees bench/run.sh makes; also this tree's preview of the same tree and, at one size (the
# smallest unless --recycle-at says another, 0 for none), its run that recycles instead of
# deleting. Runs are interleaved. Prints medians.
#   bench/against.sh --base COMMIT [--sizes "10000 100000"] [--runs 5] [--seed 1] [--scratch DIR]
#                    [--build DIR] [--arch x86|x64] [--recycle-at SIZE]
# Recycled objects go to a trash of the scratch folder's own (XDG_DATA_HOME), emptied after
# each run. Raw results: SCRATCH/against.txt.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/bench/harness.sh"

base=""
sizes="10000 100000"
runs=5
while [ $# -gt 0 ]; do
  case $1 in
    --base) base=$2 ;;
    --recycle-at) recycle_at=$2 ;;
    *) bench_option "$1" "${2:-}" || { echo "unknown option $1" >&2; exit 2; } ;;
  esac
  shift 2
done
[ -n "$base" ] || { echo "--base COMMIT is needed" >&2; exit 2; }
keyword=junk
bench_prepare
base_source=$scratch/base-$base
if [ ! -d "$base_source" ]; then
  mkdir -p "$base_source"
  git -C "$root" archive "$base" | tar -x -C "$base_source"
fi
bench_build "$base_source" "$base_source/build" bench_dialog
bench_build "$root" "$build" bench_dialog
declare -A bin=([base]=$base_source/build/bench/bench_dialog.exe
                [this]=$build/bench/bench_dialog.exe)

export XDG_DATA_HOME=$scratch/xdg
bench_start_wine

results=$scratch/against.txt
: >"$results"
# step SIZE BUILD MODE TREE EXPECTED_LEFT: one run, its result kept, the objects left checked,
# the tree made whole again and the trash emptied.
step() {
  local size=$1 build=$2 mode=$3 tree=$4 expected=$5 output left
  output=$("$root/tools/wine-run" "${bin[$build]}" "Z:${tree//\//\\}" "$keyword" "$mode" |
           tr -d '\r') || echo "size=$size $build $mode: the program failed" >&2
  grep '^RESULT' <<<"$output" | sed "s/^RESULT/size=$size build=$build/" >>"$results"
  left=$(($(find "$tree" | wc -l) - 1))
  [ "$left" = "$expected" ] ||
    echo "size=$size $build $mode: $left objects left, expected $expected" | tee -a "$results" >&2
  python3 "$root/bench/make_tree.py" "$tree" --objects "$size" --seed "$seed" \
          --keyword "$keyword" --restore >/dev/null
  rm -rf "$XDG_DATA_HOME/Trash"
}

recycle_at=${recycle_at:-${sizes%% *}}
for size in $sizes; do
  tree=$scratch/tree$size
  summary=$(python3 "$root/bench/make_tree.py" "$tree" --objects "$size" --seed "$seed" \
                    --keyword "$keyword" | tail -1)
  total=$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["objects"])' "$summary")
  survivors=$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["survivors"])' "$summary")
  for run in $(seq "$runs"); do
    echo "== $size objects, run $run of $runs" >&2
    step "$size" base visible "$tree" "$survivors"
    step "$size" this visible "$tree" "$survivors"
    step "$size" this preview "$tree" "$total"
    if [ "$size" = "$recycle_at" ]; then step "$size" this recycle "$tree" "$survivors"; fi
  done
  rm -rf "$tree"
done

python3 - "$results" <<'PY'
import re, statistics, sys
runs = {}
for line in open(sys.argv[1]):
    fields = dict(re.findall(r'(\w+)=(\S+)', line))
    if 'seconds' in fields:
        key = (int(fields['size']), fields['build'], fields['mode'])
        runs.setdefault(key, []).append((float(fields['seconds']), float(fields['cpu'])))
print('| objects | build | step | runs | seconds (median) | CPU seconds (median) |')
print('| ---: | --- | --- | ---: | ---: | ---: |')
for (size, build, mode), values in sorted(runs.items()):
    print(f'| {size} | {build} | {mode} | {len(values)} | '
          f'{statistics.median(v[0] for v in values):.3f} | '
          f'{statistics.median(v[1] for v in values):.3f} |')
PY
