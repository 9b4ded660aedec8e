// Fingerprints per second over a large generated drawing, with and without a
// running host (whose system variables every fingerprint reads), and what
// reading those two variables costs on its own.
//   fingerprint_bench [benchmark flags] [ENTITIES]

#include "BenchDrawing.h"
#include "DcHost.h"
#include "DbBlockTableRecord.h"
#include "DxfReader.h"
#include "HostApp.h"
#include "HostObjectHashGenerator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

size_t g_entities = 1000000;

// The drawing's entities, opened once: the benchmark measures fingerprints, not opening.
const std::vector<OdDbObjectPtr>& benchEntities() {
  static OdDbDatabasePtr db;
  static std::vector<OdDbObjectPtr> entities;
  if (db) return entities;
  std::string path = "/tmp/dc_bench_" + std::to_string(g_entities) + ".dxf";
  makeBenchDrawing(path, g_entities);
  db = odDxfReadFile(OdString(path));
  OdDbBlockTableRecordPtr modelSpace = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  for (OdDbObjectId id : modelSpace->entityIds()) entities.push_back(id.openObject());
  return entities;
}

void fingerprintAll(benchmark::State& state) {
  const auto& entities = benchEntities();
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hostObjectCompare::HostObjectHashGenerator().buildHash(entities[next].get()));
    if (++next == entities.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_FingerprintWithoutHost(benchmark::State& state) { fingerprintAll(state); }

std::unique_ptr<HostApp> startHost() {
  HostAppOptions options;
  options.profilePath = OdString((std::filesystem::temp_directory_path() / "dc_fingerprint_bench.ini").string());
  return std::make_unique<HostApp>(options);
}

void BM_FingerprintInHost(benchmark::State& state) {
  auto host = startHost();
  fingerprintAll(state);
}

void BM_CompareVariablesInHost(benchmark::State& state) {
  auto host = startHost();
  const OdString props("COMPAREPROPS"), tolerance("COMPARETOLERANCE");
  for (auto _ : state) {
    benchmark::DoNotOptimize(dwgcompare::hostSystemVariable(props));
    benchmark::DoNotOptimize(dwgcompare::hostSystemVariable(tolerance));
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_FingerprintWithoutHost)->MinTime(2.0);
BENCHMARK(BM_FingerprintInHost)->MinTime(2.0);
BENCHMARK(BM_CompareVariablesInHost);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 1) g_entities = std::strtoull(argv[1], nullptr, 10);
  std::printf("drawing: %zu entities\n", benchEntities().size());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
