#!/usr/bin/env bash
# Fuzzes one of the readers of untrusted input with libFuzzer for SECONDS
# (default 60; 0 for no limit), or until N inputs ran. Not part of the test suite. Builds
# with clang, AddressSanitizer and UBSan in build-fuzz/; findings go to
# build-fuzz/findings/ and become regression tests.
#   tools/fuzz.sh [--target NAME] [--runs N] SECONDS [JOBS]
# Targets:
#   dxf        the DXF reader and a round trip, seeded with small pieces cut
#              out of the drawings (default; about 2,000 inputs a second on a free core)
#   dxf-whole  the same, seeded with whole drawings up to 48 KB (slow)
#   profile    the host's profile file
#   pairinfo   what a saved result drawing remembers about its two files
#   args       the command lines of dwgcompare, cadhost and odtool
set -euo pipefail
cd "$(dirname "$0")/.."
target=dxf
runs=-1
while [ $# -gt 0 ]; do
  case "$1" in
    --target) target=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) break ;;
  esac
done
seconds=${1:-60}
jobs=${2:-1}
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is needed (apt-get install clang)" >&2; exit 1; }

dxf_seeds() {
  python3 tools/fuzz/make_dxf_seeds.py "$1" samples ../shared/testdata/dxf ../shared/testdata/pairs >/dev/null
}

# Per target: the fuzzer, its seed folder (filled here) and its options.
case "$target" in
  dxf)
    fuzzer=dxf_reader_fuzzer seeds=build-fuzz/seeds/dxf
    dxf_seeds "$seeds"
    options=(-max_len=4096 -dict=../tools/fuzz/dxf.dict) ;;
  dxf-whole)
    fuzzer=dxf_reader_fuzzer seeds=build-fuzz/seeds/dxf-whole
    mkdir -p "$seeds"
    for dir in samples ../shared/testdata/dxf ../shared/testdata/pairs; do
      [ -d "$dir" ] && find "$dir" -name '*.dxf' -size -48k -exec cp -n {} "$seeds/" \;
    done
    options=(-max_len=65536 -dict=../tools/fuzz/dxf.dict) ;;
  profile)
    fuzzer=profile_reader_fuzzer seeds=build-fuzz/seeds/profile
    mkdir -p "$seeds"
    options=(-max_len=1024)
    printf '# cadhost profile\n[cmddata/DrawingComparison]\nTolerance = i32 6\nProps = u16 63\nTitle = str "Plan \\"A\\"\\n"\n[Startup]\nCommands = str "ZOOM E"\n' >"$seeds/profile" ;;
  pairinfo)
    fuzzer=pair_info_fuzzer seeds=build-fuzz/seeds/pairinfo
    mkdir -p "$seeds"
    cp tools/fuzz/pair-info-seed.dxf "$seeds/"
    options=(-max_len=4096 -dict=../tools/fuzz/dxf.dict) ;;
  args)
    fuzzer=arguments_fuzzer seeds=build-fuzz/seeds/args
    mkdir -p "$seeds"
    # The first byte picks the program (0 dwgcompare, 1 cadhost, 2 odtool); one argument a line.
    printf '0a.dxf\nb.dxf\n-o\nr.dxf\n--png\np.png\n--props\n7\n--changes' >"$seeds/dwgcompare"
    printf '1--headless\n-c\nZOOM E\n--script\ns.txt\n--screenshot\nx.png\nd.dxf' >"$seeds/cadhost"
    printf '2roundtrip\nin.dxf\nout.dxf' >"$seeds/odtool"
    options=(-max_len=512 -close_fd_mask=3) ;;
  *) echo "fuzz.sh: unknown target $target (dxf, dxf-whole, profile, pairinfo, args)" >&2; exit 2 ;;
esac

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DDC_FUZZ=ON -DDC_BUILD_TESTS=OFF -DDC_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target "$fuzzer"

corpus=build-fuzz/corpus/$target
mkdir -p "$corpus" build-fuzz/findings
# From build-fuzz/, where parallel workers write their logs (fuzz-N.log).
cd build-fuzz
parallel=()
[ "$jobs" -gt 1 ] && parallel=(-fork="$jobs")
# Short allocation stacks and no fill of new memory: 6% of each run otherwise.
ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1:malloc_context_size=3:max_malloc_fill_size=0 \
  "bin/$fuzzer" "corpus/$target" "../$seeds" -max_total_time="$seconds" -runs="$runs" "${parallel[@]}" \
  "${options[@]}" -rss_limit_mb=2048 -timeout=10 -detect_leaks=0 -artifact_prefix=findings/ -print_final_stats=1
