#!/usr/bin/env python3
"""Checks that no object of the build read a header of a layer above its source file's own, or of one beside it.

Usage: check_layers.py BUILD_DIR
       (a build made with CMake's Makefile generator and a compiler that writes dependency files, as ./dev.sh does)

Layers, bottom up, as the chains of ORDER list them: platform's folders (core < odbcini < db; core, screen < forms <
grid, spreadsheet; core < imagelist; shell), then controls < app < reports < main above all of platform. A file
belongs to the deepest listed folder that holds it, and may include files of its own folder and of the folders below
it; folders side by side, of which neither lies below the other (grid and spreadsheet, db and forms, ...), may not
include each other. What an object read is what the compiler wrote into its dependency file (the `*.o.d` beside the
object, as CMake lists them for each target in its DependInfo.cmake), so includes through macros, comments and line
continuations count as the compiler saw them. A generated file in the build tree (moc, autogen) belongs to the layer
of the folder it is generated for. Files outside the layers (system and Qt headers, tests, tools) are not checked.
Prints every header that runs up or across and exits 1 when there is one, 2 when the build lacks a dependency file.
"""
import re
import sys
from pathlib import Path

# Bottom up: each folder of a step lies below every folder of the next step of its chain.
ORDER = [
    "platform/core < platform/odbcini < platform/db",
    "platform/core, platform/screen < platform/forms < platform/grid, platform/spreadsheet",
    "platform/core < platform/imagelist",
    "platform/db, platform/grid, platform/spreadsheet, platform/imagelist, platform/shell < controls",
    "controls < app < reports < main",
]
QUOTED = re.compile(r'"([^"]*)"')
MAKE_WORD = re.compile(r"(?:\\.|[^\s\\])+")


class BuildError(Exception):
    pass


def layers():
    """Each folder of ORDER with every folder below it: those whose files it may include besides its own."""
    right_below = {}
    for chain in ORDER:
        lower = []
        for step in chain.split(" < "):
            for folder in step.split(", "):
                right_below.setdefault(folder, set()).update(lower)
            lower = step.split(", ")

    def below(folder):
        return set().union(*({under} | below(under) for under in right_below[folder]))

    return {folder: below(folder) for folder in right_below}


LAYERS = layers()


def layer(path, root, build):
    """The layer's folder of a source or generated file, or None for a file outside the layers."""
    for base in (build, root):
        try:
            parts = path.relative_to(base).parts
        except ValueError:
            continue
        for depth in (2, 1):
            folder = "/".join(parts[:depth])
            if len(parts) > depth and folder in LAYERS:
                return folder
        if parts[0] == "platform":
            raise BuildError(f"{path} lies in no folder of ORDER: add its folder there")
        return None
    return None


def cmake_list(name, cmake_file):
    """The quoted items of `set(NAME "..." ...)` in a file that CMake wrote."""
    found = re.search(rf'set\({name}((?:\s*"[^"]*")*)\s*\)', cmake_file.read_text(encoding="utf-8"))
    if found is None:
        raise BuildError(f"{cmake_file} sets no {name}")
    return QUOTED.findall(found.group(1))


def objects(build):
    """(source, dependency file, folder the compiler ran in) of every object of every target of the build."""
    makefile = build / "CMakeFiles" / "Makefile.cmake"
    if not makefile.is_file():
        raise BuildError(f"{build} is not a build of CMake's Makefile generator (no {makefile})")
    for info in cmake_list("CMAKE_DEPEND_INFO_FILES", makefile):
        info = build / info
        if cmake_list("CMAKE_DEPENDS_LANGUAGES", info):
            raise BuildError(f"{info}: CMake scans these sources' includes itself; the compiler wrote no "
                             "dependency files to check")
        target_dir = info.parent.parent.parent
        entries = cmake_list("CMAKE_DEPENDS_DEPENDENCY_FILES", info)
        for source, _object, _kind, dependency_file in zip(*[iter(entries)] * 4):
            yield Path(source).resolve(), build / dependency_file, target_dir


def prerequisites(dependency_file, compile_dir):
    """The files of a make rule as the compiler writes it: the source and every header it read."""
    if not dependency_file.is_file():
        raise BuildError(f"{dependency_file} is missing: build the tree before checking it")
    text = dependency_file.read_text(encoding="utf-8", errors="surrogateescape").replace("\\\n", " ")
    rule = text.split("\n", 1)[0]
    _, separator, files = rule.partition(": ")
    if not separator:
        raise BuildError(f"{dependency_file} holds no make rule")
    for word in MAKE_WORD.findall(files):
        name = re.sub(r"\\(.)", r"\1", word).replace("$$", "$")
        yield (compile_dir / name).resolve()


def faults(root, build):
    """Every (source, header) of an object whose header lies in a layer above or beside its source's, and the count
    of objects checked."""
    found, checked = set(), 0
    for source, dependency_file, compile_dir in objects(build):
        own = layer(source, root, build)
        if own is None:
            continue
        checked += 1
        for header in prerequisites(dependency_file, compile_dir):
            other = layer(header, root, build)
            if other not in (None, own) and other not in LAYERS[own]:
                found.add((shown(source, root), shown(header, root)))
    return found, checked


def shown(path, root):
    try:
        return str(path.relative_to(root))
    except ValueError:
        return str(path)


def main():
    if len(sys.argv) != 2:
        print("usage: check_layers.py BUILD_DIR", file=sys.stderr)
        return 2
    build = Path(sys.argv[1]).resolve()
    root = Path(__file__).resolve().parent.parent
    try:
        found, checked = faults(root, build)
    except BuildError as error:
        print(f"check_layers.py: {error}", file=sys.stderr)
        return 2
    if checked == 0:
        print(f"check_layers.py: {build} lists no object of a layer's source file", file=sys.stderr)
        return 2
    for source, header in sorted(found):
        print(f"{source} includes {header}")
    print(f"{checked} objects checked, {len(found)} includes run up or across ({'; '.join(ORDER)})")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
