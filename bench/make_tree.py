#!/usr/bin/env python3
"""Makes a reproducible folder tree for the clean-run benchmarks.

    make_tree.py ROOT --objects N [--seed S] [--keyword K] [--manifest FILE] [--restore]

ROOT is removed first, then filled with exactly N objects (files and folders) in nested
folders; with --restore only the objects missing from ROOT are made again (quicker than a new
tree after a run has deleted a sixth of it). About a tenth of the names hold the keyword; a
matching folder may hold content, and some lie inside other matching folders. The same seed
gives the same tree.

The manifest lists every object that a clean run with that keyword (files and folders ticked,
default options) removes, relative to ROOT, with backslashes, in UTF-8, in an order a
bare delete loop can follow: the matching files, then each outermost matching folder's
remaining content bottom-up and the folder itself. Lines are "F path" or "D path". The last
line of standard output is a JSON summary.
"""
import argparse
import json
import os
import random
import shutil
import sys

ALPHABET = "abcdefghiklmnopqrstuvwxyz0123456789_"   # no 'j': only planted keywords match
CHINESE = ["临时", "备份", "文档", "图片", "缓存", "项目", "资料", "新建"]
EXTENSIONS = [".txt", ".log", ".dat", ".cpp", ".h", ".obj", ".bak", ""]
MATCH_RATE = 0.10
MATCHING_FOLDER_MAX_SIZE = 60   # objects inside a folder that may match


class Folder:
    def __init__(self, name, depth, matches):
        self.name = name
        self.depth = depth
        self.matches = matches
        self.files = []        # (name, matches)
        self.folders = []


def make_name(rng, keyword, matches, is_file):
    stem = "".join(rng.choice(ALPHABET) for _ in range(rng.randint(4, 12)))
    if rng.random() < 0.05:
        stem = rng.choice(CHINESE) + stem
    if matches:
        cut = rng.randint(0, len(stem))
        word = keyword.upper() if rng.random() < 0.2 else keyword   # matching ignores case
        stem = stem[:cut] + word + stem[cut:]
    return stem + (rng.choice(EXTENSIONS) if is_file else "")


def build_model(rng, objects, keyword):
    """Breadth-first: each folder gets 5-30 files and 0-6 sub-folders until the budget is spent."""
    root = Folder("", 0, False)
    queue = [root]
    made = 0
    head = 0
    while made < objects:
        if head == len(queue):            # every folder is full: open a new one at the top
            sub = Folder(None, 1, False)
            root.folders.append(sub)
            queue.append(sub)
            made += 1
            continue
        folder = queue[head]
        head += 1
        used = set()
        for _ in range(rng.randint(5, 30)):
            if made >= objects:
                break
            matches = rng.random() < MATCH_RATE
            name = make_name(rng, keyword, matches, True)
            if name.lower() in used:
                continue
            used.add(name.lower())
            folder.files.append((name, matches))
            made += 1
        for _ in range(rng.randint(0, 6) if folder.depth < 7 else 0):
            if made >= objects:
                break
            sub = Folder(None, folder.depth + 1, False)    # named once its size is known
            folder.folders.append(sub)
            queue.append(sub)
            made += 1
    name_folders(rng, root, keyword)
    return root


def name_folders(rng, folder, keyword):
    """Names the sub-folders; only small ones may match, so no single match takes a large share."""
    used = {name.lower() for name, _ in folder.files}
    size = len(folder.files) + len(folder.folders)
    for sub in folder.folders:
        sub_size = name_folders(rng, sub, keyword)
        size += sub_size
        if sub.name is None:
            sub.matches = sub_size <= MATCHING_FOLDER_MAX_SIZE and rng.random() < MATCH_RATE
            while sub.name is None or sub.name.lower() in used:
                sub.name = make_name(rng, keyword, sub.matches, False)
        used.add(sub.name.lower())
    return size


def write_tree(folder, path, missing_only):
    for name, _ in folder.files:
        file_path = os.path.join(path, name)
        if not (missing_only and os.path.lexists(file_path)):
            os.mknod(file_path)                  # an empty regular file, cheaper than open
    for sub in folder.folders:
        sub_path = os.path.join(path, sub.name)
        if not (missing_only and os.path.lexists(sub_path)):
            os.mkdir(sub_path)
        write_tree(sub, sub_path, missing_only)


def windows_path(unix_path):
    return "Z:" + unix_path.replace("/", "\\")


def manifest_path(root, unix_path):
    return os.path.relpath(unix_path, root).replace("/", "\\")


def collect(folder, path, matched_files, matched_folders, counts):
    for name, matches in folder.files:
        counts["files"] += 1
        if matches:
            matched_files.append(os.path.join(path, name))
    for sub in folder.folders:
        counts["folders"] += 1
        sub_path = os.path.join(path, sub.name)
        if sub.matches:
            matched_folders.append((sub, sub_path))
        collect(sub, sub_path, matched_files, matched_folders, counts)


def remaining_content(folder, path, ops):
    """Bottom-up removal of what is left in a matching folder once its matching files are gone."""
    for name, matches in folder.files:
        if not matches:
            ops.append(("F", os.path.join(path, name)))
    for sub in folder.folders:
        sub_path = os.path.join(path, sub.name)
        remaining_content(sub, sub_path, ops)
        ops.append(("D", sub_path))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root")
    parser.add_argument("--objects", type=int, required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--keyword", default="junk")
    parser.add_argument("--manifest")
    parser.add_argument("--restore", action="store_true")
    args = parser.parse_args()
    if not args.keyword or "j" not in args.keyword.lower():
        sys.exit("the keyword must hold a 'j', which random names never do")

    root = os.path.abspath(args.root)
    model = build_model(random.Random(args.seed), args.objects, args.keyword)
    if not args.restore:
        shutil.rmtree(root, ignore_errors=True)
    os.makedirs(root, exist_ok=True)
    write_tree(model, root, args.restore)

    matched_files, matched_folders, counts = [], [], {"files": 0, "folders": 0}
    collect(model, root, matched_files, matched_folders, counts)
    ops = [("F", p) for p in matched_files]
    outermost = 0
    inside_match = set()
    for folder, path in matched_folders:
        if any(path.startswith(p + "/") for p in inside_match):
            continue                      # goes with the outer match
        inside_match.add(path)
        outermost += 1
        remaining_content(folder, path, ops)
        ops.append(("D", path))

    if args.manifest:
        with open(args.manifest, "wb") as out:
            for kind, path in ops:
                out.write(f"{kind} {manifest_path(root, path)}\r\n".encode("utf-8"))

    summary = {
        "root": windows_path(root),
        "objects": counts["files"] + counts["folders"],
        "files": counts["files"],
        "folders": counts["folders"],
        "matched_files": len(matched_files),
        "matched_folders": len(matched_folders),
        "outermost_matched_folders": outermost,
        "removed": len(ops),
        "survivors": counts["files"] + counts["folders"] - len(ops),
    }
    print(json.dumps(summary))


if __name__ == "__main__":
    main()
