#!/usr/bin/env python3
"""Turns bench/run.sh's raw results into Markdown tables of medians.

    report.py RESULTS [MESSAGES]
"""
import json
import os
import statistics
import subprocess
import sys
from collections import defaultdict

STEPS = [   # (row label, how to get one run's seconds from its result lines by mode)
    ("floor: enumeration + delete loop", None),
    ("bare enumeration (FindFirstFileW/FindNextFileW)", "enum"),
    ("bare delete loop (DeleteFileW/RemoveDirectoryW)", "floor_delete"),
    ("engine: the run with no window (walk and both passes)", "engine"),
    ("clean command, dialog visible", "dialog_visible"),
    ("clean command, dialog hidden", "dialog_hidden"),
    ("preview, dialog visible", "dialog_preview"),
    ("the preview's log sorted by size (a heading click)", "sort_size"),
    ("the preview's log: Ctrl+A, then Ctrl+C (every row copied)", "select_copy"),
    ("peers: `del /s /q` + `rd /s /q`", "peers"),
]

MESSAGE_NAMES = {
    0x000C: "WM_SETTEXT", 0x000F: "WM_PAINT", 0x0014: "WM_ERASEBKGND", 0x0022: "WM_CHILDACTIVATE",
    0x002B: "WM_DRAWITEM", 0x0046: "WM_WINDOWPOSCHANGING", 0x0047: "WM_WINDOWPOSCHANGED",
    0x004E: "WM_NOTIFY", 0x0111: "WM_COMMAND", 0x0138: "WM_CTLCOLORSTATIC",
    0x0202: "WM_LBUTTONUP", 0x00F5: "BM_CLICK", 0x1004: "LVM_GETITEMCOUNT",
    0x1006: "LVM_SETITEMA", 0x1007: "LVM_INSERTITEMA", 0x1019: "LVM_GETCOLUMNA",
    0x104C: "LVM_SETITEMW", 0x104D: "LVM_INSERTITEMW", 0x105F: "LVM_GETCOLUMNW",
    0x0000: "WM_NULL", 0x0113: "WM_TIMER", 0x1013: "LVM_ENSUREVISIBLE", 0x000B: "WM_SETREDRAW",
    0x1205: "HDM_LAYOUT", 0x120F: "HDM_ORDERTOINDEX",
}


def parse(path):
    """{size: {mode: [ {field: value} per run ]}}, tree summaries, wrong results."""
    runs = defaultdict(lambda: defaultdict(list))
    trees, wrong = {}, []
    with open(path) as lines:
        for line in lines:
            words = line.split()
            if len(words) < 3:
                continue
            size = int(words[0].split("=")[1])
            if words[1] == "tree":
                trees[size] = json.loads(line.split(" ", 2)[2])
            elif words[2] == "WRONG_RESULT":
                wrong.append(line.strip())
            else:
                fields = dict(word.split("=", 1) for word in words[1:])
                runs[size][fields.pop("mode")].append(fields)
    return runs, trees, wrong


def median(results, field):
    values = [float(result[field]) for result in results if field in result]
    return statistics.median(values) if values else None


def floor_seconds(by_mode, field="seconds"):
    enum, delete = median(by_mode["enum"], field), median(by_mode["floor_delete"], field)
    return enum + delete if enum is not None and delete is not None else None


def step_seconds(by_mode, mode, field="seconds"):
    return floor_seconds(by_mode, field) if mode is None else median(by_mode[mode], field)


def ratio(value, floor):
    return value / floor if value is not None and floor else None


def text(value, digits=3):
    return "–" if value is None else f"{value:.{digits}f}"


def growth_mb(by_mode, mode):
    if mode is None:
        return None
    kb = median(by_mode[mode], "growth_kb")
    return None if kb is None else kb / 1024


def machine():
    cpu = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as info:
            cpu = next(l.split(":", 1)[1].strip() for l in info if l.startswith("model name"))
    except (OSError, StopIteration):
        pass
    try:
        wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()
    except OSError:
        wine = "wine"
    return f"{cpu}, {os.cpu_count()} cores, {wine}"


def main():
    runs, trees, wrong = parse(sys.argv[1])
    sizes = sorted(runs)
    count = max((len(by_mode["enum"]) for by_mode in runs.values()), default=0)
    print(f"Machine: {machine()}; median of {count} runs.\n")
    for size in sizes:
        tree = trees.get(size, {})
        print(f"- {size} objects: {tree.get('files')} files, {tree.get('folders')} folders; "
              f"{tree.get('matched_files')} matching files, {tree.get('matched_folders')} matching "
              f"folders; {tree.get('removed')} objects removed by a clean run.")
    print()

    header = "| step |"
    rule = "| --- |"
    for size in sizes:
        header += f" {size}: seconds | × floor | CPU × floor | memory MB |"
        rule += " ---: | ---: | ---: | ---: |"
    if len(sizes) > 1:
        header += f" time {sizes[-1]} / {sizes[-2]} | memory {sizes[-1]} / {sizes[-2]} |"
        rule += " ---: | ---: |"
    print(header)
    print(rule)
    for label, mode in STEPS:
        row = f"| {label} |"
        for size in sizes:
            seconds = step_seconds(runs[size], mode)
            times = ratio(seconds, floor_seconds(runs[size]))
            cpu = ratio(step_seconds(runs[size], mode, "cpu"), floor_seconds(runs[size], "cpu"))
            row += (f" {text(seconds)} | {text(times, 2)} | {text(cpu, 2)} |"
                    f" {text(growth_mb(runs[size], mode), 1)} |")
        if len(sizes) > 1:
            first, last = step_seconds(runs[sizes[-2]], mode), step_seconds(runs[sizes[-1]], mode)
            row += f" {text(last / first if first and last else None, 1)} |"
            first, last = growth_mb(runs[sizes[-2]], mode), growth_mb(runs[sizes[-1]], mode)
            row += f" {text(last / first if first and last else None, 1)} |"
        print(row)
    print("\nCPU × floor: the same ratio on the bench process's own processor time (user and kernel; "
          "the X server's share of painting is not in it), steadier on a busy machine. "
          "memory MB: growth of the working set during the step (peak minus the working set "
          "before it), from GetProcessMemoryInfo inside the bench program.\n")

    print("The engine's open handles at their peak and its memory (medians):\n")
    print("| objects | peak open handles | memory MB |")
    print("| ---: | ---: | ---: |")
    for size in sizes:
        handles = median(runs[size]["engine"], "peak_handles")
        print(f"| {size} | {text(handles, 0)} | {text(growth_mb(runs[size], 'engine'), 1)} |")
    print()

    largest = runs[sizes[-1]]
    engine = lambda field: median(largest["engine"], field)
    visible, hidden = median(largest["dialog_visible"], "seconds"), median(largest["dialog_hidden"], "seconds")
    print(f"Where the clean command's time goes at {sizes[-1]} objects (medians, seconds):\n")
    print("| part | seconds |")
    print("| --- | ---: |")
    for label, value in [
        ("the one walk (`FindMatches`)", engine("walk")),
        ("file pass (`DeleteCollectedFile`)", engine("file_delete")),
        ("folder pass (`DeleteCollectedFolder`)", engine("folder_delete")),
        ("window hidden, beyond the engine: the worker, the log rows and the status line",
         hidden - engine("seconds") if hidden is not None and engine("seconds") is not None else None),
        ("list and status line work done only for a shown window (visible − hidden)",
         visible - hidden if visible is not None and hidden is not None else None),
        ("first repaint after the run (not in the times above)",
         median(largest["dialog_visible"], "repaint")),
    ]:
        print(f"| {label} | {text(value)} |")

    print("\nThe window shown, during each step: another thread sends it a message every 50 ms "
          "and waits for the answer (medians of the runs of the longest wait, milliseconds; "
          "the mean wait of the clean command in brackets):\n")
    waited = [("clean command", "dialog_visible"), ("preview", "dialog_preview"),
              ("sort by size", "sort_size"), ("Ctrl+A + Ctrl+C", "select_copy")]
    print("| objects | rows in the preview | " + " | ".join(label for label, _ in waited) + " |")
    print("| ---: | ---: |" + " ---: |" * len(waited))
    for size in sizes:
        row = f"| {size} | {text(median(runs[size]['dialog_preview'], 'rows'), 0)} |"
        for label, mode in waited:
            longest = median(runs[size][mode], "longest_wait")
            row += f" {text(longest and longest * 1000, 0)}"
            if mode == "dialog_visible":
                mean = median(runs[size][mode], "mean_wait")
                row += f" ({text(mean and mean * 1000, 1)})"
            row += " |"
        print(row)

    if len(sys.argv) > 2 and os.path.getsize(sys.argv[2]) > 0:
        costs = []
        with open(sys.argv[2]) as lines:
            for line in lines:
                fields = dict(word.split("=", 1) for word in line.split())
                costs.append((float(fields["seconds"]), fields))
        costs.sort(key=lambda cost: -cost[0])
        print(f"\nMessages during one visible clean run at {costs[0][1]['size']} objects "
              "(hooked, so slower; time includes what each handler sends):\n")
        print("| window | message | count | seconds |")
        print("| --- | --- | ---: | ---: |")
        for seconds, fields in costs[:12]:
            number = int(fields["message"], 16)
            name = MESSAGE_NAMES.get(number, fields["message"])
            print(f"| {fields['window']} | {name} | {fields['count']} | {seconds:.3f} |")

    if wrong:
        print("\nSteps that did not leave the expected tree:\n")
        for line in wrong:
            print(f"- {line}")


if __name__ == "__main__":
    main()
