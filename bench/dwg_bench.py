#!/usr/bin/env python3
"""Time and peak memory of opening each test DWG, the converter included.

    bench/dwg_bench.py BUILD [DWG...]     default: every DWG of ../shared/testdata/dwg
"""
import os
import subprocess
import sys
import time
from pathlib import Path

TESTDATA = Path(__file__).resolve().parent.parent.parent / "shared" / "testdata" / "dwg"


def open_drawing(odtool, path):
    """Wall seconds, peak resident MB of the program and its converter, and the first line of any refusal."""
    start = time.monotonic()
    child = subprocess.Popen([odtool, "info", path], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(child.pid, 0)
    refusal = child.stderr.read().decode(errors="replace").strip().splitlines()
    return time.monotonic() - start, usage.ru_maxrss * 1024 / 1e6, "" if status == 0 else refusal[0] if refusal else "failed"


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    odtool = Path(sys.argv[1]) / "bin" / "odtool"
    files = [Path(f) for f in sys.argv[2:]] or sorted(TESTDATA.glob("*.dwg"))
    print("| DWG | size | open | peak | |\n|---|---|---|---|---|")
    for path in files:
        seconds, peak, refusal = open_drawing(odtool, path)
        print(f"| {path.name} | {path.stat().st_size / 1e3:.0f} KB | {seconds:.1f} s | {peak:.0f} MB | {refusal} |",
              flush=True)


if __name__ == "__main__":
    main()
