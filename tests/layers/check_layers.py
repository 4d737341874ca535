#!/usr/bin/env python3
"""Checks the layering of the source directories.

Every directory is one library. A file may include headers of its own
directory, and of another directory only when its library links that
directory's library directly and that directory stands below it. The links
come from the manifest the build writes (one line per library:
"dir: linked-dir ..."); the order of the layers is stated here.

Usage: check_layers.py SOURCE_DIR MANIFEST
Prints one line per fault, naming file and line, and exits 1 when there is any.
"""
import os
import re
import sys

# Lowest first. A directory may include only directories of a lower rank;
# directories of one rank do not see each other.
RANKS = {
    "platform": 0,
    "platform/qt": 1, "platform/qt/web": 1,
    "terrain": 1,
    "places": 2,
    "colour": 3, "print": 3, "views": 3,
    "render3d": 4, "webmap": 4,
    "app": 5, "render3d/gl": 5,
    "cli": 6,
    "shell/dialogs": 6, "shell/print": 6, "shell/help": 6,
    "shell/settings": 7,
    "shell": 8,
}
# What a directory may see beyond the rank rule: the Qt platform layer sees
# only the platform interfaces, and only the programs, the Qt shell and the
# OpenGL device see it; the embedded browser, beside it, is seen only by the
# Qt shell. The OpenGL device sees the renderer and what labels
# are drawn with, and only the programs see it.
ONLY = {"platform/qt": {"platform"}, "platform/qt/web": {"platform"},
        "render3d/gl": {"render3d", "places", "colour", "views", "platform", "platform/qt"}}
SEES_QT = {"cli", "shell", "shell/dialogs", "shell/print", "shell/help", "shell/settings", "render3d/gl"}
SEEN_ONLY_BY = {"render3d/gl": {"cli", "shell"},
                "platform/qt/web": {"shell", "shell/dialogs", "shell/settings"}}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def read_manifest(path):
    links = {}
    with open(path, encoding="utf-8") as manifest:
        for line in manifest:
            if ":" in line:
                directory, linked = line.split(":", 1)
                links[directory.strip()] = set(linked.split())
    return links


def directory_of(path, directories):
    """The library directory a path lies in: the longest matching prefix."""
    matches = [d for d in directories if path.startswith(d + "/")]
    return max(matches, key=len) if matches else None


def may_see(source, target):
    if target in SEEN_ONLY_BY and source not in SEEN_ONLY_BY[target]:
        return False
    if source in ONLY:
        return target in ONLY[source]
    if target == "platform/qt":
        return source in SEES_QT
    return RANKS[target] < RANKS[source]


def faults_of_file(root, path, library, links, directories):
    faults = []
    included = set()
    with open(os.path.join(root, path), encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match or "/" not in match.group(1):
                continue
            header = match.group(1)
            target = directory_of(header, directories)
            if target is None:
                top = header.split("/", 1)[0]
                if os.path.isdir(os.path.join(root, top)):
                    faults.append(f"{path}:{number}: includes {header}, which belongs to no library")
                continue
            if target == library:
                continue
            included.add(target)
            if not may_see(library, target):
                faults.append(f"{path}:{number}: {library} includes {header}, but {target} stands above it "
                              f"or beside it")
            elif target not in links[library]:
                faults.append(f"{path}:{number}: {library} includes {header}, but its library does not link "
                              f"{target}")
    return faults, included


def files_of(root, library, directories):
    for folder, subfolders, files in os.walk(os.path.join(root, library)):
        relative = os.path.relpath(folder, root)
        subfolders[:] = [s for s in subfolders
                         if os.path.join(relative, s) not in directories]
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(relative, name)


def main():
    root, manifest = sys.argv[1], sys.argv[2]
    links = read_manifest(manifest)
    directories = set(links)
    unknown = directories - set(RANKS)
    faults = [f"{d}: a library without a place in the layers" for d in sorted(unknown)]
    for library in sorted(directories - unknown):
        included = set()
        for path in files_of(root, library, directories):
            file_faults, file_included = faults_of_file(root, path, library, links, directories)
            faults += file_faults
            included |= file_included
        for extra in sorted(links[library] - included):
            faults.append(f"{library}: its library links {extra}, but none of its files include it")
    for fault in faults:
        print(fault)
    print(f"{len(directories)} libraries checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
