// CRC-32 throughput, ours against zlib's crc32 in the same run: entity-sized
// messages (each a fresh CRC, as every fingerprint is) and one large buffer.

#include "Crc32.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <random>
#include <vector>

namespace {

// Many messages' worth of bytes, so that messages come from memory as fingerprints' streams do.
const std::vector<uint8_t>& randomBytes() {
  static const std::vector<uint8_t> bytes = [] {
    std::vector<uint8_t> out(64 << 20);
    std::mt19937_64 random(1);
    for (uint8_t& b : out) b = static_cast<uint8_t>(random());
    return out;
  }();
  return bytes;
}

template <class Crc>
void messages(benchmark::State& state, Crc crc) {
  const size_t size = static_cast<size_t>(state.range(0));
  const std::vector<uint8_t>& bytes = randomBytes();
  const size_t span = (1 << 20) / size * size;  // 1 MB of messages, in cache like a fresh stream
  size_t at = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(crc(bytes.data() + at, size));
    at += size;
    if (at == span) at = 0;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
  state.SetItemsProcessed(state.iterations());
}

template <class Crc>
void largeBuffer(benchmark::State& state, Crc crc) {
  const std::vector<uint8_t>& bytes = randomBytes();
  for (auto _ : state) benchmark::DoNotOptimize(crc(bytes.data(), bytes.size()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

uint32_t ours(const uint8_t* data, size_t size) { return hostObjectCompare::crc32(0, data, size); }
uint32_t zlibs(const uint8_t* data, size_t size) {
  return static_cast<uint32_t>(::crc32(0, data, static_cast<uInt>(size)));
}

void BM_Crc32MessagesOurs(benchmark::State& state) { messages(state, ours); }
void BM_Crc32MessagesZlib(benchmark::State& state) { messages(state, zlibs); }
void BM_Crc32LargeBufferOurs(benchmark::State& state) { largeBuffer(state, ours); }
void BM_Crc32LargeBufferZlib(benchmark::State& state) { largeBuffer(state, zlibs); }

}  // namespace

BENCHMARK(BM_Crc32MessagesOurs)->RangeMultiplier(2)->Range(64, 1024);
BENCHMARK(BM_Crc32MessagesZlib)->RangeMultiplier(2)->Range(64, 1024);
BENCHMARK(BM_Crc32LargeBufferOurs);
BENCHMARK(BM_Crc32LargeBufferZlib);

BENCHMARK_MAIN();
