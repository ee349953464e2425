#!/usr/bin/env bash
# What the rules cost: the engine's clean run (no window) on the trees bench/run.sh makes, with
# and without three exclusions and an age, run for run. The exclusions match nothing and every
# object is made older than the age, so both runs delete the same objects and the difference is
# the rules' own work. Prints medians.
#   bench/rules.sh [--sizes "100000"] [--runs 5] [--seed 1] [--scratch DIR] [--build DIR]
#                  [--arch x86|x64]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/bench/harness.sh"

sizes="100000"
runs=5
bench_options "$@"
keyword=junk
exclusions='.git | node_modules | keep_*'
days=30
bench_prepare
bench_build "$root" "$build" bench_engine
bench_start_wine

results=$scratch/rules.txt
: >"$results"
for size in $sizes; do
  tree=$scratch/tree$size
  echo "== $size objects: making the tree" >&2
  python3 "$root/bench/make_tree.py" "$tree" --objects "$size" --seed "$seed" \
          --keyword "$keyword" >/dev/null
  for run in $(seq "$runs"); do
    for mode in plain rules; do
      echo "   run $run of $runs, $mode" >&2
      # Older than the age, as what a run with an age deletes must be.
      find "$tree" -exec touch -h -d "$((days + 10)) days ago" {} +
      args=("Z:${tree//\//\\}" "$keyword")
      [ "$mode" = rules ] && args+=("$exclusions" "$days")
      "$root/tools/wine-run" "$build/bench/bench_engine.exe" "${args[@]}" | tr -d '\r' |
        grep '^RESULT' | sed "s/^RESULT/size=$size run=$run variant=$mode/" >>"$results"
      python3 "$root/bench/make_tree.py" "$tree" --objects "$size" --seed "$seed" \
              --keyword "$keyword" --restore >/dev/null
    done
  done
done

python3 - "$results" <<'PY'
import re, statistics, sys
runs = {}
for line in open(sys.argv[1]):
    fields = dict(re.findall(r"(\w+)=(\S+)", line))
    key = (int(fields["size"]), fields["variant"])
    runs.setdefault(key, []).append(
        (float(fields["seconds"]), float(fields["cpu"]), int(fields["objects"])))
print("| objects | without rules: time, CPU (s) | three exclusions and an age: time, CPU (s) "
      "| ratio of times | ratio of CPU | rows |")
print("| --- | --- | --- | --- | --- | --- |")
for size in sorted({k[0] for k in runs}):
    plain, ruled = runs[(size, "plain")], runs[(size, "rules")]
    median = lambda rows, i: statistics.median(r[i] for r in rows)
    rows = sorted({r[2] for r in plain + ruled})
    print(f"| {size:,} | {median(plain, 0):.2f}, {median(plain, 1):.2f} "
          f"| {median(ruled, 0):.2f}, {median(ruled, 1):.2f} "
          f"| {median(ruled, 0) / median(plain, 0):.3f} | {median(ruled, 1) / median(plain, 1):.3f} "
          f"| {'/'.join(map(str, rows))} |")
PY
