#!/usr/bin/env bash
# Fuzzes the DXF reader with libFuzzer for SECONDS (default 60), seeded with
# the project's sample drawings and the shared test drawings. Not part of the
# test suite. Builds with clang, AddressSanitizer and UBSan in build-fuzz/;
# findings go to build-fuzz/findings/ and become regression tests.
#   tools/fuzz.sh [SECONDS] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=${2:-1}
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is needed (apt-get install clang)" >&2; exit 1; }

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DDC_FUZZ=ON -DDC_BUILD_TESTS=OFF -DDC_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target dxf_reader_fuzzer

corpus=build-fuzz/corpus
mkdir -p "$corpus" build-fuzz/findings
# Seeds: small drawings only, so that mutations stay fast (a few hundred runs a second).
for dir in samples ../shared/testdata/dxf ../shared/testdata/pairs; do
  [ -d "$dir" ] || continue
  find "$dir" -name '*.dxf' -size -48k -exec cp -n {} "$corpus/" \; 2>/dev/null || true
done

# From build-fuzz/, where parallel workers write their logs (fuzz-N.log).
cd build-fuzz
parallel=()
[ "$jobs" -gt 1 ] && parallel=(-fork="$jobs")
ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 \
  bin/dxf_reader_fuzzer corpus -max_total_time="$seconds" "${parallel[@]}" \
  -rss_limit_mb=2048 -timeout=10 -max_len=65536 -artifact_prefix=findings/ -print_final_stats=1
