#!/usr/bin/python3
"""Round-trips drawings through odtool and checks the result with ezdxf.

For each DXF file: odtool roundtrip gives out1, a second roundtrip of out1
gives out2; out1 and out2 must be identical, and ezdxf must read out1 with
the same count of each entity type in model space as the original.

usage: check_roundtrip.py ODTOOL FILE_OR_DIR...
"""
import collections
import os
import subprocess
import sys
import tempfile

from ezdxf_reading import is_stand_in, read  # first: it finds the Python that has ezdxf


def model_space_counts(path):
    return collections.Counter(e.dxftype() for e in read(path).modelspace())


def check(odtool, path, work):
    out1 = os.path.join(work, "out1.dxf")
    out2 = os.path.join(work, "out2.dxf")
    for src, dst in ((path, out1), (out1, out2)):
        run = subprocess.run([odtool, "roundtrip", src, dst], capture_output=True, text=True)
        if run.returncode != 0:
            return "odtool failed: " + run.stderr.strip()
    with open(out1, "rb") as a, open(out2, "rb") as b:
        if a.read() != b.read():
            return "second roundtrip differs"
    try:
        before, after = model_space_counts(path), model_space_counts(out1)
    except Exception as e:  # noqa: BLE001 - report whatever ezdxf says
        return "ezdxf: %s" % e
    if before != after:
        diff = {k: (before.get(k, 0), after.get(k, 0)) for k in set(before) | set(after)
                if before.get(k, 0) != after.get(k, 0)}
        return "model space counts differ (original, written): %s" % diff
    return None


def main():
    odtool, targets = sys.argv[1], sys.argv[2:]
    files = []
    targets = [t for t in targets if os.path.exists(t)]
    if not targets:
        print("no drawings to check: skipped")
        return 0
    for t in targets:
        if os.path.isdir(t):
            for root, _, names in os.walk(t):
                files += [os.path.join(root, n) for n in sorted(names)
                          if n.lower().endswith(".dxf") and not is_stand_in(os.path.join(root, n))]
        else:
            files.append(t)
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        for f in sorted(files):
            problem = check(odtool, f, work)
            print("%-4s %s%s" % ("ok" if not problem else "FAIL", f, "" if not problem else ": " + problem))
            failures += bool(problem)
    print("%d passed, %d failed" % (len(files) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
