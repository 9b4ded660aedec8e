#!/usr/bin/env python3
"""The whole comparison of generated drawing pairs, phase by phase, beside the targets.

    bench/compare_bench.py BUILD [SIZE...]      SIZE: entities per drawing, default 100000 1000000

Pairs are written once by ../shared/tools/gen_drawing.py (python3-ezdxf) into
$DC_BENCH_PAIRS (default /tmp/dc_bench_pairs) and kept. Every phase runs as a
program of its own, so its time and peak memory are those a user sees. Reading
and comparing run three times, taking turns, and the median run of each is shown:

  read      odtool info of each file (reading into a database, nothing else)
  compare   dwgcompare A B: read, bind, draw for the zoom-all, fingerprint,
            then each of these phases with the peak memory after it and what the
            process still holds (--timings)
  report    the same with --json
  paint     cadhost opening the saved result with the module (painted again)
  plain     cadhost opening the saved result without it (overrule off)

and, once, cadhost drawing one hatch whose pattern is a million times too fine
for its area.
"""
import json
import os
import re
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROUNDS = 3
GENERATOR = HERE.parent.parent / "shared" / "tools" / "gen_drawing.py"


def run(argv, env=None, errors=None):
    """Wall seconds and peak resident MB (a million bytes, as the file sizes) of one program run; raises when it fails.
    Its standard error goes into the list errors, when given."""
    start = time.monotonic()
    child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env)
    stderr = child.stderr.read().decode()
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.monotonic() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        raise RuntimeError(f"{' '.join(map(str, argv))} exited {child.returncode}: {stderr}")
    if errors is not None:
        errors.extend(stderr.splitlines())
    return seconds, usage.ru_maxrss * 1024 / 1e6


def pair(size):
    folder = Path(os.environ.get("DC_BENCH_PAIRS", "/tmp/dc_bench_pairs")) / str(size)
    names = sorted(folder.glob("*_a.dxf")), sorted(folder.glob("*_b.dxf"))
    if not names[0] or not names[1]:
        print(f"writing a {size}-entity pair into {folder} (minutes for a million)", flush=True)
        subprocess.run(["/usr/bin/python3", str(GENERATOR), "--n", str(size), "--out", str(folder)],
                       check=True, stdout=subprocess.DEVNULL)
        names = sorted(folder.glob("*_a.dxf")), sorted(folder.glob("*_b.dxf"))
    return names[0][0], names[1][0]


def row(work, seconds, peak, target):
    print(f"| {work} | {seconds:.2f} s, peak {peak:.0f} MB | {target} |", flush=True)


def tokenizer_row(bin_dir, drawing):
    """Reading one file against a bare tokenizer on the same file: 185 MB/s is a quarter of one."""
    out = subprocess.run([bin_dir / "dxf_read_bench", "0", drawing], capture_output=True, text=True).stdout
    speeds = re.findall(r"([0-9.]+) MB/s", out)
    ratio = re.search(r"read speed: ([0-9.]+) of the tokenizer", out)
    measured = (f"{speeds[1]} MB/s, tokenizer {speeds[0]} MB/s | {ratio[1]} of the tokenizer"
                if len(speeds) >= 2 and ratio else "dxf_read_bench gave no figures | ")
    print(f"| read File 1 against a bare tokenizer on it | {measured}; target ≥ 0.25 |", flush=True)


def read_and_compare_in_turn(bin_dir, a, b):
    """Reading both files and comparing them, ROUNDS times taking turns, so that a busy spell of the
    machine slows both: the median reading (seconds, peak) and the median comparison (seconds, peak, timings)."""
    reads, compares = [], []
    for _ in range(ROUNDS):
        both = [run([bin_dir / "odtool", "info", f]) for f in (a, b)]
        reads.append((sum(r[0] for r in both), max(r[1] for r in both)))
        timings = []
        compares.append((*run([bin_dir / "dwgcompare", a, b, "--timings"], errors=timings), timings))
    return median(reads), median(compares)


def median(runs):
    return sorted(runs, key=lambda r: r[0])[len(runs) // 2]


def bench_pair(build, size):
    a, b = pair(size)
    megabytes = (a.stat().st_size + b.stat().st_size) / 1e6
    bin_dir = build / "bin"
    (read_seconds, read_peak), (seconds, peak, timings) = read_and_compare_in_turn(bin_dir, a, b)
    row(f"read both, {size} pair ({megabytes:.1f} MB)", read_seconds, read_peak,
        f"{megabytes / read_seconds:.0f} MB/s; target ≥ 185 MB/s, peak < 3× the file")
    tokenizer_row(bin_dir, a)
    with tempfile.TemporaryDirectory() as out:
        out = Path(out)
        # Memory is held to three times the files at a million entities, where the drawings outweigh the program.
        memory_target = f", peak < {3 * megabytes:.0f} MB" if size >= 1000000 else ""
        row(f"dwgcompare A B, {size} pair", seconds, peak,
            f"{seconds / read_seconds:.1f}× reading; target < 3×{memory_target}")
        for line in timings:
            # "time: PHASE   1.23 s  peak   456 MB  now   400 MB", as dwgcompare --timings prints each phase
            match = re.match(r"time: (.*\S) +([0-9.]+) s +peak +([0-9]+) MB +now +([0-9]+) MB", line)
            if match:
                row(f"phase: {match[1]}", float(match[2]), float(match[3]), f"holding {match[4]} MB after it")
        seconds, peak = run([bin_dir / "dwgcompare", a, b, "--json", out / "r.json", "-o", out / "r.dxf"])
        counts = json.loads((out / "r.json").read_text())
        row(f"dwgcompare A B --json -o, {size} pair", seconds, peak, f"counts {counts.get('counts', counts)}")
        export = "ZOOMALL;EXPORT " + str(out / "r.png") + ";QUIT"
        # Each run a profile of its own: the module's adds commands to start with.
        def host_env(name):
            return dict(os.environ, CADHOST_MODULES=str(out / "none"), CADHOST_PROFILE=str(out / name))
        painted = run([bin_dir / "cadhost", "--headless", "--load", bin_dir / "libdwgcompare.so", out / "r.dxf",
                       "-c", export], env=host_env("painted.profile"))
        plain = run([bin_dir / "cadhost", "--headless", out / "r.dxf", "-c", export], env=host_env("plain.profile"))
        row(f"reopen result and export painted, {size} pair", *painted, "")
        row(f"reopen result and export plain, {size} pair", *plain,
            f"painted {painted[0] / plain[0]:.2f}× plain; target < 2×")
        one = run([bin_dir / "cadhost", "--headless", a, "-c", "ZOOMALL;EXPORT " + str(out / "a.png") + ";QUIT"],
                  env=host_env("one.profile"))
        row(f"cadhost open, zoom all, export PNG, {size} drawing", *one, "target < 2 s at 100k")


def group(code, value):
    return f"{code:>3}\n{value}\n"


def dense_hatch_drawing(path):
    """A 1000-unit square hatched with ANSI31 at a scale of a millionth: a billion pattern lines if drawn one by one."""
    corners = [(0, 0), (1000, 0), (1000, 1000), (0, 1000)]
    edges = "".join(group(72, 1) + group(10, x0) + group(20, y0) + group(11, x1) + group(21, y1)
                    for (x0, y0), (x1, y1) in zip(corners, corners[1:] + corners[:1]))
    scale = 1e-6
    path.write_text(
        group(0, "SECTION") + group(2, "ENTITIES") + group(0, "HATCH") + group(8, "0") + group(100, "AcDbEntity")
        + group(100, "AcDbHatch") + group(10, 0.0) + group(20, 0.0) + group(30, 0.0) + group(210, 0.0)
        + group(220, 0.0) + group(230, 1.0) + group(2, "ANSI31") + group(70, 0) + group(71, 0) + group(91, 1)
        + group(92, 1) + group(93, 4) + edges + group(97, 0) + group(75, 0) + group(76, 1) + group(52, 0.0)
        + group(41, scale) + group(77, 0) + group(78, 1) + group(53, 45.0) + group(43, 0.0) + group(44, 0.0)
        + group(45, -2.2450640303 * scale) + group(46, 2.2450640303 * scale) + group(79, 0) + group(98, 0)
        + group(0, "ENDSEC") + group(0, "EOF"))


def bench_dense_hatch(build):
    with tempfile.TemporaryDirectory() as out:
        out = Path(out)
        dense_hatch_drawing(out / "hatch.dxf")
        env = dict(os.environ, CADHOST_MODULES=str(out / "none"), CADHOST_PROFILE=str(out / "hatch.profile"))
        seconds, peak = run([build / "bin" / "cadhost", "--headless", out / "hatch.dxf",
                             "-c", "ZOOMALL;EXPORT " + str(out / "hatch.png") + ";QUIT"], env=env)
        row("cadhost open, zoom all, export PNG, one hatch a million times too fine", seconds, peak,
            "target well under 1 s")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = Path(sys.argv[1]).resolve()
    sizes = [int(s) for s in sys.argv[2:]] or [100000, 1000000]
    print("| work | this build | target |\n|---|---|---|")
    for size in sizes:
        bench_pair(build, size)
    bench_dense_hatch(build)


if __name__ == "__main__":
    main()
