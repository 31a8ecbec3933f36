#!/usr/bin/env python3
"""Include circles between the program's folders.

Reads every `#include "folder/file"` line of the .h and .cpp files in the
source folders and prints, for the folders named on the command line
(default: app servers transfers):

  - the includes from one of them into another, folder by folder;
  - every circle among them, following only their own includes;
  - every circle among them that passes through other source folders.

Exits with status 1 when a circle of either kind exists.

    python3 scripts/include_circles.py [folder ...]
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE_FOLDERS = ["app", "addressbook", "desktop", "ftp", "local", "log", "platform",
                  "servers", "session", "transfers"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"', re.MULTILINE)


def folder_graph():
    """folder -> {included folder -> [including files]}"""
    graph = {folder: {} for folder in SOURCE_FOLDERS}
    for folder in SOURCE_FOLDERS:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for target in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                if target != folder and target in graph:
                    graph[folder].setdefault(target, []).append(str(path.relative_to(ROOT)))
    return graph


def circles(nodes, edges):
    """Strongly connected groups of more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in edges.get(node, ()):
            if nxt not in nodes:
                continue
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for node in sorted(nodes):
        if node not in index:
            visit(node)
    return found


def reach(graph, start, chosen):
    """Chosen folders reachable from `start`, the way through others allowed."""
    seen, todo, hits = {start}, [start], set()
    while todo:
        for nxt in graph[todo.pop()]:
            if nxt in chosen:
                hits.add(nxt)
            elif nxt not in seen:
                seen.add(nxt)
                todo.append(nxt)
    return hits


def main():
    chosen = sys.argv[1:] or ["app", "servers", "transfers"]
    graph = folder_graph()
    print("Includes between " + ", ".join(chosen) + ":")
    for folder in chosen:
        for target in sorted(graph[folder]):
            if target in chosen:
                files = graph[folder][target]
                print(f"  {folder} -> {target}  ({len(files)} files, e.g. {files[0]})")
    direct = circles(set(chosen), {f: graph[f].keys() for f in chosen})
    through = circles(set(chosen), {f: reach(graph, f, set(chosen)) for f in chosen})
    print("Circles among them: " + ("; ".join(" <-> ".join(c) for c in direct) or "none"))
    print("Circles through other folders: " +
          ("; ".join(" <-> ".join(c) for c in through) or "none"))
    return 1 if direct or through else 0


if __name__ == "__main__":
    sys.exit(main())
