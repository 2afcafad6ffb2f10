"""Compares one tool's duplicate groups with a tree's truth file (its groups_nohidden view).

    python3 bench/content_groups.py TREE TRUTH FORMAT OUTPUT

FORMAT is "tessaly" (tessaly-cli duplicates rows: groups are runs of one shade) or "jdupes" /
"rmlint" (fdupes style: one path a line, groups apart by a blank line). A group is the set of
inodes of its paths, so hard links count once whichever of their names a tool shows.
Prints "N groups: M right, X missed, Y false".
"""

import json
import os
import re
import sys

# Filename, Size, Modified, Time, Access, Folder, Type, shade: a name or folder may hold a tab.
ROW = re.compile(rb"^(.*?)\t([\d,]+)\t([^\t]*)\t([^\t]*)\t([^\t]*)\t(.*)\t([^\t]*)\t(shaded|plain)$")


def inode(path):
    try:
        status = os.stat(path)
    except OSError:
        return None
    return (status.st_dev, status.st_ino)


def tessaly_groups(lines):
    groups, shade = [], None
    for line in lines[1:]:
        match = ROW.match(line)
        if not match:
            continue
        path = os.path.join(match.group(6), match.group(1))
        if match.group(8) != shade:
            groups.append([])
            shade = match.group(8)
        groups[-1].append(path)
    return groups


def fdupes_groups(lines):
    groups, current = [], []
    for line in lines + [b""]:
        if line:
            current.append(line)
        elif current:
            groups.append(current)
            current = []
    return groups


def as_inode_sets(groups):
    sets = set()
    for paths in groups:
        inodes = frozenset(filter(None, (inode(p) for p in paths)))
        if len(inodes) >= 2:
            sets.add(inodes)
    return sets


def main():
    tree, truth_file, tool, output = sys.argv[1:5]
    with open(truth_file, encoding="utf-8") as f:
        truth = json.load(f)["groups_nohidden"]
    expected = as_inode_sets(
        [[os.path.join(os.fsencode(tree), os.fsencode(p)) for p in group["paths"]] for group in truth])
    with open(output, "rb") as f:
        lines = f.read().split(b"\n")
    found = as_inode_sets(tessaly_groups(lines) if tool == "tessaly" else fdupes_groups(lines))
    print(f"{len(found)} groups: {len(found & expected)} right, {len(expected - found)} missed, "
          f"{len(found - expected)} false (truth: {len(expected)})")


main()
