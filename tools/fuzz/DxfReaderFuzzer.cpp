// libFuzzer target over the DXF reader (tools/fuzz.sh builds and runs it).
// Any input either reads or is refused with OdError; what reads is written
// and must read again, or the round trip would write a file it cannot open.

#include "DxfReader.h"
#include "DxfWriter.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

namespace {
// Most inputs that read are written as a file written before (a mutation in
// what the reader skips or repairs): reading that file again would test
// nothing new and cost more than all the rest of a run.
bool readBefore(const std::string& written) {
  static std::unordered_set<size_t> seen;
  constexpr size_t kRemembered = 1 << 20;
  size_t hash = std::hash<std::string>()(written);
  if (seen.count(hash)) return true;
  if (seen.size() < kRemembered) seen.insert(hash);
  return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  OdDbDatabasePtr db;
  try {
    db = odDxfReadBuffer(std::string_view(reinterpret_cast<const char*>(data), size), OdString("fuzz.dxf"));
  } catch (const OdError&) {
    return 0;  // a clean refusal
  }
  std::string written = odDxfWriteString(db.get());
  if (readBefore(written)) return 0;
  try {
    odDxfReadBuffer(written, OdString("written.dxf"));
  } catch (const OdError& e) {
    std::fprintf(stderr, "the written file does not read: %s\n", e.description().utf8().c_str());
    std::abort();
  }
  return 0;
}
