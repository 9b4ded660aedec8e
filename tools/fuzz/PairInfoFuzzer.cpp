// libFuzzer target over what a saved result drawing remembers about its two
// files (tools/fuzz.sh --target pairinfo): the drawing is read as DXF, then
// its pair dictionary and the files' hash chunks are read back, as when a
// user opens a saved result.

#include "DcComparisonManager.h"
#include "DxfReader.h"
#include "HostApp.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The host the module answers to, on a profile that is never written.
  HostAppOptions options;
  options.profilePath = OdString("/nonexistent/cadhost-fuzz-profile");
  options.profileReadOnly = true;
  static auto app = std::make_unique<HostApp>(options);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  OdDbDatabasePtr db;
  try {
    db = odDxfReadBuffer(std::string_view(reinterpret_cast<const char*>(data), size), OdString("result.dxf"));
  } catch (const OdError&) {
    return 0;  // not a drawing: the DXF reader's target covers it
  }
  dwgcompare::loadComparisonManager(db.get());
  return 0;
}
