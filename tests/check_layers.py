#!/usr/bin/env python3
"""Fails when a source file includes a header of a higher layer.

One table, bottom up: a file may include headers of its own layer and of the
layers listed before it. Headers are found by name across the layered folders,
as the build's include path finds them.
    check_layers.py SOURCE_DIR
"""
import pathlib
import re
import sys

LAYERS = [
    # The drawing library.
    "od/base",      # run-time classes, strings, arrays, errors, colours, handles and ids
    "od/ge",        # geometry
    "od/gi",        # drawing interfaces
    "od/db",        # database, objects, symbol tables, dictionaries, field tables
    "od/entities",  # the entity classes
    "od/dxf",       # DXF tokenizer, text decoding, reader, writer
    "od/clone",     # deep clone, id mapping, external references
    "od/draw",      # world drawing, extents
    # The host application's library, on the drawing library.
    "host",
    # The comparison module, a plug-in of the host.
    "base",         # the host's services as the module finds them, the message table
    "settings",
    "engine",
    "display",
    "tracking",
    "properties",   # property-list rows and their two-column inspector
    "ui",
    "module",
]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp"}


def sources(root, folder):
    return sorted(p for p in (root / folder).iterdir() if p.suffix in SOURCE_SUFFIXES)


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    rank = {folder: i for i, folder in enumerate(LAYERS)}
    missing = [folder for folder in LAYERS if not (root / folder).is_dir()]
    if missing:
        print("check_layers: missing layer folders: " + ", ".join(missing))
        return 1
    home = {}  # header name -> its layer
    faults = []
    for folder in LAYERS:
        for path in sources(root, folder):
            if path.suffix == ".cpp":
                continue
            if path.name in home:  # one flat include path: a second header of that name is never reached
                faults.append(f"{path.relative_to(root)}: same name as a header in {home[path.name]}")
            home.setdefault(path.name, folder)
    for folder in LAYERS:
        for path in sources(root, folder):
            for header in INCLUDE.findall(path.read_text(encoding="utf-8")):
                target = home.get(pathlib.PurePath(header).name)
                if target and rank[target] > rank[folder]:
                    faults.append(f"{path.relative_to(root)}: includes {header} of the higher layer {target}")
    for fault in faults:
        print(fault)
    files = sum(len(sources(root, folder)) for folder in LAYERS)
    print(f"check_layers: {files} files in {len(LAYERS)} layers, {len(faults)} upward includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
