#!/usr/bin/env bash
# Runs the benchmarks from a build folder: bench/run_benchmarks.sh BUILD [ENTITIES]
set -euo pipefail
build=${1:-build}
entities=${2:-1000000}
"$build/bin/dxf_read_bench" "$entities"
"$build/bin/bind_bench" "$entities"
"$build/bin/fingerprint_bench" "$entities"
"$build/bin/crc32_bench"
python3 "$(dirname "$0")/compare_bench.py" "$build"
python3 "$(dirname "$0")/dwg_bench.py" "$build"
