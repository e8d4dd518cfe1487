#!/usr/bin/env python3
"""Checks that no source file includes a file of a layer above its own.

Usage: check_layers.py BUILD_DIR
       (a build configured with CMAKE_EXPORT_COMPILE_COMMANDS, as the top CMakeLists.txt does)

Layers, bottom up: platform, controls, app, reports, main (the program's main). A file may include files of its
own layer and of the layers below. Each include is resolved as the compiler resolves it: a quoted one in the
including file's folder first, then in the -iquote folders; quoted and bracketed ones then in the -I and the
-isystem folders of the compile command, in order. Includes that resolve outside the source tree (system and Qt
headers) are not followed. Prints every include that runs up and exits 1 when there is one.
"""
import json
import re
import shlex
import sys
from pathlib import Path

LAYERS = ["platform", "controls", "app", "reports", "main"]
INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>)', re.MULTILINE)


def layer(path, root):
    try:
        top = path.relative_to(root).parts[0]
    except ValueError:
        return None
    return LAYERS.index(top) if top in LAYERS else None


def include_dirs(command):
    """The folders searched for quoted includes only, and for both kinds, in the compiler's order."""
    words = shlex.split(command)
    found = {"-iquote": [], "-I": [], "-isystem": []}
    for i, word in enumerate(words):
        for option, dirs in found.items():
            if word == option and i + 1 < len(words):
                dirs.append(Path(words[i + 1]))
            elif word.startswith(option) and len(word) > len(option):
                dirs.append(Path(word[len(option):]))
    return found["-iquote"], found["-I"] + found["-isystem"]


def resolve(name, folders):
    for folder in folders:
        candidate = (folder / name).resolve()
        if candidate.is_file():
            return candidate
    return None


def main():
    build = Path(sys.argv[1]).resolve()
    root = Path(__file__).resolve().parent.parent
    entries = json.loads((build / "compile_commands.json").read_text(encoding="utf-8"))
    faults = set()
    checked = set()
    for entry in entries:
        source = Path(entry["file"]).resolve()
        if layer(source, root) is None:
            continue
        quote_dirs, dirs = include_dirs(entry.get("command") or shlex.join(entry["arguments"]))
        pending, seen = [source], set()
        while pending:
            current = pending.pop()
            if current in seen:
                continue
            seen.add(current)
            checked.add(current)
            own = layer(current, root)
            for quoted, bracketed in INCLUDE.findall(current.read_text(encoding="utf-8", errors="replace")):
                folders = [current.parent] + quote_dirs + dirs if quoted else dirs
                target = resolve(quoted or bracketed, folders)
                if target is None or layer(target, root) is None:
                    continue
                if layer(target, root) > own:
                    faults.add(f"{current.relative_to(root)} includes {target.relative_to(root)}")
                pending.append(target)
    for fault in sorted(faults):
        print(fault)
    print(f"{len(checked)} files checked, {len(faults)} includes run up "
          f"({' < '.join(LAYERS)})")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
