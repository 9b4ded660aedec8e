#!/usr/bin/python3
"""Binds each pair of drawings with odtool and checks the result with ezdxf.

For each folder holding a.dxf and b.dxf: odtool bind a.dxf b.dxf OUT must
succeed and print the id pairs of both binds; ezdxf must read OUT; blocks
FILE1 and FILE2 must hold the same count of each entity type as the model
space of a.dxf and b.dxf; every layer but "0" that model space entities of a
source are on must be in OUT as FILEn$0$name, and no layer may be left named
as a reference's (FILEn|name); model space must hold one INSERT of each block.

usage: check_bind.py ODTOOL DIR...
"""
import collections
import os
import subprocess
import sys
import tempfile

from ezdxf_reading import ezdxf, read  # first: it finds the Python that has ezdxf


def counts(entities):
    return collections.Counter(e.dxftype() for e in entities)


def layer_of(entity):
    try:
        return entity.dxf.layer
    except Exception:  # entities ezdxf keeps without their attributes
        return "0"


def check_pair(odtool, a, b, out):
    run = subprocess.run([odtool, "bind", a, b, out], capture_output=True, text=True)
    if run.returncode != 0:
        return "odtool failed: " + run.stderr.strip()
    if len([line for line in run.stdout.splitlines() if line.endswith("id pairs")]) != 2:
        return "odtool printed no id pairs for both binds: " + run.stdout.strip()
    try:
        doc = ezdxf.readfile(out)
    except Exception as e:  # noqa: BLE001 - report whatever ezdxf says
        return "ezdxf cannot read the output: %s" % e
    layers = {layer.dxf.name.upper() for layer in doc.layers}
    for name, source in (("FILE1", a), ("FILE2", b)):
        src = read(source)
        block = doc.blocks.get(name)
        if block is None:
            return "no block " + name
        want, got = counts(src.modelspace()), counts(block)
        if want != got:
            diff = {k: (want[k], got[k]) for k in set(want) | set(got) if want[k] != got[k]}
            return "block %s differs from the model space of %s (source, block): %s" % (name, source, diff)
        for layer in {layer_of(e) for e in src.modelspace()} - {"0"}:
            if ("%s$0$%s" % (name, layer)).upper() not in layers:
                return "layer %s of %s is not bound as %s$0$%s" % (layer, source, name, layer)
    if any("|" in layer for layer in layers):
        return "layers of references are left: %s" % sorted(layer for layer in layers if "|" in layer)
    inserts = sorted(e.dxf.name for e in doc.modelspace() if e.dxftype() == "INSERT")
    if inserts != ["FILE1", "FILE2"]:
        return "model space inserts %s" % inserts
    return None


def main():
    odtool, targets = sys.argv[1], [t for t in sys.argv[2:] if os.path.isdir(t)]
    pairs = []
    for t in targets:
        for root, _, names in os.walk(t):
            if "a.dxf" in names and "b.dxf" in names:
                pairs.append((os.path.join(root, "a.dxf"), os.path.join(root, "b.dxf")))
    if not pairs:
        print("no drawing pairs to check: skipped")
        return 0
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        for a, b in sorted(pairs):
            problem = check_pair(odtool, a, b, os.path.join(work, "bound.dxf"))
            folder = os.path.dirname(a)
            print("%-4s %s%s" % ("ok" if not problem else "FAIL", folder, "" if not problem else ": " + problem))
            failures += bool(problem)
    print("%d passed, %d failed" % (len(pairs) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
