#include "module/ModuleTestSupport.h"

#include "DbDictionary.h"
#include "DbXrecord.h"
#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManagerImpl.h"
#include "DcPairInfo.h"
#include "HostDocManager.h"

#include <fstream>
#include <set>

using namespace dwgcompare;

namespace {
std::multiset<uint32_t> valuesOf(const ComparedObjectMap& map) {
  std::multiset<uint32_t> values;
  for (const auto& [value, object] : map) values.insert(value);
  return values;
}

// A comparison whose File 1 map holds the given values.
DcBlockTableRecordComparisonPtr comparisonWith(const std::vector<uint32_t>& values) {
  DcBlockTableRecordComparisonPtr comparison = DcBlockTableRecordComparison::createObject();
  // The map is filled the way a saved pair is read back.
  for (uint32_t value : values) {
    OdBinaryData chunk(4);
    for (int b = 0; b < 4; ++b) chunk[b] = uint8_t(value >> (8 * b));
    OdResBufPtr item = OdResBuf::newRb(OdResBuf::kDxfBinaryChunk, chunk);
    comparisonImpl(comparison.get())->readFile1Objects(item.get());
  }
  return comparison;
}

std::vector<OdBinaryData> writtenChunks(DcBlockTableRecordComparison* comparison) {
  OdResBufPtr head = OdResBuf::newRb(OdResBuf::kRtString, OdString("head"));
  comparisonImpl(comparison)->writeFile1Objects(head.get());
  std::vector<OdBinaryData> chunks;
  for (OdResBufPtr item = head->next(); item; item = item->next()) chunks.push_back(item->getBinaryChunk());
  return chunks;
}
}  // namespace

using DcPairInfoTest = LoadedModuleFixture;

TEST_F(DcPairInfoTest, HashValuesAreWritten63ToAChunkOf255Bytes) {
  std::vector<uint32_t> values(63);
  for (uint32_t i = 0; i < 63; ++i) values[i] = 0x01020300 + i + 1;
  std::vector<OdBinaryData> chunks = writtenChunks(comparisonWith(values).get());
  ASSERT_EQ(chunks.size(), 1u);
  ASSERT_EQ(chunks[0].size(), 255u);
  EXPECT_EQ(chunks[0][0], 0x01);  // little-endian, smallest value first
  EXPECT_EQ(chunks[0][3], 0x01);
  EXPECT_EQ(chunks[0][252] | chunks[0][253] | chunks[0][254], 0);

  values.push_back(0xFFFFFFFF);
  chunks = writtenChunks(comparisonWith(values).get());
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[1][0] & chunks[1][1] & chunks[1][2] & chunks[1][3], 0xFF);
  for (size_t i = 4; i < 255; ++i) ASSERT_EQ(chunks[1][i], 0) << i;

  EXPECT_TRUE(writtenChunks(comparisonWith({}).get()).empty());
}

TEST_F(DcPairInfoTest, TheFifthItemIsTheBlockHandleAsTextOrAsAHandle) {
  FileInfo info;
  OdDbHandle handle;
  OdResBufPtr chain = pairInfoChain({"C:/a.dwg", "a.dwg", "someone", "today"}, OdDbHandle(0x2A));
  readPairInfoChain(chain.get(), info, handle);
  EXPECT_EQ(handle, OdDbHandle(0x2A));
  EXPECT_EQ(info.savedBy, OdString("someone"));

  chain->last()->setRestype(OdResBuf::kDxfArbHandle);
  chain->last()->setHandle(OdDbHandle(0x2B));
  readPairInfoChain(chain.get(), info, handle);
  EXPECT_EQ(handle, OdDbHandle(0x2B));

  OdDbHandle untouched;
  chain->last()->setRestype(OdResBuf::kDxfInt32);
  chain->last()->setInt32(5);
  readPairInfoChain(chain.get(), info, untouched);
  EXPECT_EQ(untouched, OdDbHandle());
}

TEST_F(DcPairInfoTest, ASavedResultIsRecognisedWhenOpenedWithItsFingerprints) {
  std::string plan = writeDrawing("plan.dxf", {{0, 0, 10, 0}, {0, 0, 0, 10}}, {{5, 5, 1}});
  std::string revised = writeDrawing("revised.dxf", {{0, 0, 10, 0}}, {{5, 5, 1}, {8, 8, 2}});
  ASSERT_TRUE(app->typeLine("OPEN \"" + plan + "\""));
  // As the user compares: the result is drawn, zoomed, and its objects compared.
  ASSERT_TRUE(app->typeLine("-DWGCOMPARE \"" + plan + "\" \"" + revised + "\"")) << commandLog();
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  ASSERT_NE(manager, nullptr);
  DcBlockTableRecordComparisonImpl* comparison = comparisonImpl(manager->findComparison(
      app->docManager().curDocument()->database()->getModelSpaceId()).get());
  ASSERT_EQ(comparison->file1Objects().size(), 3u);
  std::multiset<uint32_t> file1Values = valuesOf(comparison->file1Objects());
  std::multiset<uint32_t> file2Values = valuesOf(comparison->file2Objects());
  OdDbHandle file1Block = static_cast<DcComparisonManagerImpl*>(manager)->file1BlockHandle();

  std::string saved = dir / "result.dxf";
  ASSERT_TRUE(app->typeLine("SAVEAS \"" + saved + "\""));
  ASSERT_TRUE(app->typeLine("SAVE"));  // a second save replaces the pair, it does not add one
  OdDbDictionaryPtr pair = openPairInfoDictionary(app->docManager().curDocument()->database(), OdDb::kForRead);
  ASSERT_FALSE(pair.isNull());
  EXPECT_EQ(pair->numEntries(), 2);
  ASSERT_TRUE(app->typeLine("CLOSE"));  // the manager and its maps go with the result
  ASSERT_TRUE(app->typeLine("CLOSE"));
  EXPECT_TRUE(getDocManReactor()->hasNoComparisons());

  ASSERT_TRUE(app->typeLine("OPEN \"" + saved + "\""));
  DcComparisonManager* reopened = getDocManReactor()->currentComparison();
  ASSERT_NE(reopened, nullptr);
  auto* impl = static_cast<DcComparisonManagerImpl*>(reopened);
  EXPECT_TRUE(impl->isRestored());
  EXPECT_EQ(reopened->file1Info()->fileName, OdString("plan.dxf"));
  EXPECT_EQ(reopened->file2Info()->path, OdString(revised));
  EXPECT_EQ(impl->file1BlockHandle(), file1Block);
  DcBlockTableRecordComparisonImpl* restored = comparisonImpl(
      reopened->findComparison(app->docManager().curDocument()->database()->getModelSpaceId()).get());
  ASSERT_NE(restored, nullptr);
  EXPECT_EQ(valuesOf(restored->file1Objects()), file1Values);
  EXPECT_EQ(valuesOf(restored->file2Objects()), file2Values);
  // Still a result drawing: the palette is asked for.
  EXPECT_TRUE(dwgcompareui::isPaletteVisible());
}

// Found by fuzzing: an entry of another kind where the pair dictionary or a
// file's Xrecord belongs threw from opening the drawing.
TEST_F(DcPairInfoTest, AResultWhosePairEntriesAreOfAnotherKindStillOpens) {
  auto drawing = [](const char* pairType, const char* file1Type) {
    return std::string("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1032\n0\nENDSEC\n0\nSECTION\n2\nOBJECTS\n") +
           "0\nDICTIONARY\n5\nC\n330\n0\n100\nAcDbDictionary\n3\nZRKD_DIFF\n350\nD\n" +  //
           "0\n" + pairType + "\n5\nD\n330\nC\n3\nFile1\n350\nE\n" +                     //
           "0\n" + file1Type + "\n5\nE\n330\nD\n5005\n/plans/plan.dxf\n0\nENDSEC\n0\nEOF\n";
  };
  for (const std::string& text : {drawing("XRECORD", "XRECORD"), drawing("DICTIONARY", "DICTIONARY")}) {
    std::string path = dir / "result.dxf";
    std::ofstream(path) << text;
    EXPECT_TRUE(app->typeLine("OPEN \"" + path + "\"")) << commandLog();
    EXPECT_TRUE(app->typeLine("CLOSE")) << commandLog();
  }
}
