// Binds two large generated drawings into a new one and compares the time
// with reading them.
//   bind_bench [ENTITIES]

#include "BenchDrawing.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbXRefMan.h"
#include "DxfReader.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool readBoth(const std::string& a, const std::string& b) {
  OdDbDatabasePtr first = odDxfReadFile(OdString(a));
  OdDbDatabasePtr second = odDxfReadFile(OdString(b));
  first.detach();  // the child ends here: teardown is not part of the work
  second.detach();
  return true;
}

bool bindBoth(const std::string& a, const std::string& b) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  const char* names[] = {"FILE1", "FILE2"};
  const std::string* paths[] = {&a, &b};
  for (int i = 0; i < 2; ++i) {
    OdDbBlockTableRecordPtr block =
        OdDbXRefManExt::addNewXRefDefBlock(db.get(), OdString(*paths[i]), OdString(names[i]), false);
    if (!block) return false;
    OdDbXRefMan::load(block.get());
    if (OdDbXRefMan::bind(block.get()) != eOk) return false;
  }
  db.detach();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  size_t entities = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
  std::string a = "/tmp/dc_bench_" + std::to_string(entities) + ".dxf";
  std::string b = "/tmp/dc_bench_" + std::to_string(entities) + "_b.dxf";
  double megabytes = (makeBenchDrawing(a, entities, 1) + makeBenchDrawing(b, entities, 2)) / 1e6;
  ChildRun read = runInChild([&] { return readBoth(a, b); });
  ChildRun bind = runInChild([&] { return bindBoth(a, b); });
  std::printf("two drawings of %zu entities, %.1f MB together\n", entities, megabytes);
  std::printf("read both          %8.2f s   peak %8.1f MB%s\n", read.seconds, read.peakBytes / 1e6, read.ok ? "" : "  FAILED");
  std::printf("bind both          %8.2f s   peak %8.1f MB%s\n", bind.seconds, bind.peakBytes / 1e6, bind.ok ? "" : "  FAILED");
  std::printf("bind takes %.2f times as long as reading\n", bind.seconds / read.seconds);
  return read.ok && bind.ok ? 0 : 1;
}
