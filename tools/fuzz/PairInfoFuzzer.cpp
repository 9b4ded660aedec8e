// libFuzzer target over what a saved result drawing remembers about its two
// files (tools/fuzz.sh --target pairinfo): the drawing is read as DXF, then
// each file's Xrecord in the pair dictionary is read back as a user's
// opening of a saved result does: its five items, then its hash chunks.

#include "DcPairInfo.h"
#include "DxfReader.h"

#include <cstdint>
#include <vector>

using namespace dwgcompare;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  OdDbDatabasePtr db;
  try {
    db = odDxfReadBuffer(std::string_view(reinterpret_cast<const char*>(data), size), OdString("result.dxf"));
  } catch (const OdError&) {
    return 0;  // not a drawing: the DXF reader's target covers that
  }
  OdDbDictionaryPtr pair = openPairInfoDictionary(db.get(), OdDb::kForRead);
  if (pair.isNull()) return 0;
  for (const char* entry : {kFile1Entry, kFile2Entry}) {
    OdResBufPtr chain = pairInfoRecordChain(pair.get(), entry);
    FileInfo info;
    OdDbHandle block;
    std::vector<uint32_t> hashes;
    readPairInfoHashes(readPairInfoChain(chain.get(), info, block).get(), hashes);
  }
  return 0;
}
