#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbLine.h"
#include "DbSymbolTable.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace {

// The first line where two texts differ, to keep failure messages short.
std::string firstDifference(const std::string& a, const std::string& b) {
  std::istringstream sa(a), sb(b);
  std::string la, lb;
  for (int line = 1;; ++line) {
    bool moreA = static_cast<bool>(std::getline(sa, la)), moreB = static_cast<bool>(std::getline(sb, lb));
    if (!moreA && !moreB) return std::string();
    if (la != lb || moreA != moreB) return "line " + std::to_string(line) + ": '" + la + "' vs '" + lb + "'";
  }
}

std::map<std::string, int> modelSpaceCounts(OdDbDatabase* db) {
  std::map<std::string, int> counts;
  OdDbBlockTableRecordPtr ms = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  for (OdDbObjectId id : ms->entityIds())
    if (OdDbObjectPtr e = id.openObject()) ++counts[e->isA()->name().utf8()];
  return counts;
}

std::vector<OdDbLinePtr> modelSpaceLines(OdDbDatabase* db) {
  std::vector<OdDbLinePtr> lines;
  OdDbBlockTableRecordPtr ms = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  for (OdDbObjectId id : ms->entityIds())
    if (OdDbLinePtr line = OdDbLine::cast(id.openObject().get())) lines.push_back(line);
  return lines;
}

// A drawing of the oldest kind: no handles, no tables, one header variable.
const char* kR12WithoutHandles =
    "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n"
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n8\nWALLS\n62\n1\n10\n0.0\n20\n0.0\n30\n0.0\n11\n10.0\n21\n5.0\n31\n0.0\n"
    "0\nLINE\n8\n0\n10\n1\n20\n1\n11\n2\n21\n2\n"
    "0\nENDSEC\n0\nEOF\n";

TEST(DxfReader, OldFileWithoutHandlesOrTablesGetsUniqueHandlesAndStandardTables) {
  OdDbDatabasePtr db = odDxfReadBuffer(kR12WithoutHandles, OdString("r12.dxf"));
  auto lines = modelSpaceLines(db.get());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_FALSE(lines[0]->getDbHandle().isNull());
  EXPECT_NE(lines[0]->getDbHandle(), lines[1]->getDbHandle());
  EXPECT_EQ(lines[0]->layer(), OdString("WALLS"));
  EXPECT_EQ(lines[0]->colorIndex(), 1);
  EXPECT_EQ(lines[0]->endPoint(), OdGePoint3d(10, 5, 0));
  EXPECT_TRUE(db->layerTable()->has(OdString("WALLS")));  // made for the entity that names it
  EXPECT_FALSE(db->layerZeroId().isNull());
  EXPECT_FALSE(db->getPaperSpaceId().isNull());
  EXPECT_FALSE(db->getLayoutDictionaryId().isNull());
  EXPECT_EQ(db->originalFileVersion(), OdString("AC1009"));
}

TEST(DxfReader, DuplicateHandlesGetFreshOnes) {
  const char* text =
      "0\nSECTION\n2\nENTITIES\n"
      "0\nLINE\n5\n2A\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n"
      "0\nLINE\n5\n2A\n8\n0\n10\n5\n20\n5\n11\n6\n21\n6\n"
      "0\nENDSEC\n0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("dup.dxf"));
  auto lines = modelSpaceLines(db.get());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->getDbHandle().value(), 0x2Au);
  EXPECT_NE(lines[1]->getDbHandle().value(), 0x2Au);
  EXPECT_EQ(lines[1]->startPoint(), OdGePoint3d(5, 5, 0));
}

TEST(DxfReader, CodePageMayComeAfterTheStringsItDecodes) {
  const std::string text =
      "0\nSECTION\n2\nHEADER\n9\n$LASTSAVEDBY\n1\n\xC4\xE6\xEE\xED\n9\n$ACADVER\n1\nAC1015\n"
      "9\n$DWGCODEPAGE\n3\nansi_1251\n0\nENDSEC\n0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("cp.dxf"));
  EXPECT_EQ(db->lastSavedBy().utf8(), "\xD0\x94\xD0\xB6\xD0\xBE\xD0\xBD");  // Джон
}

TEST(DxfReader, ValuesKeepTrailingBlanksAndOnlyOneCarriageReturnGoes) {
  const std::string text =
      "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$LASTSAVEDBY\r\n  1\r\nname  \r\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("blanks.dxf"));
  EXPECT_EQ(db->lastSavedBy().utf8(), "name  \r");
}

void expectReadError(const std::string& data, const std::string& mention) {
  try {
    odDxfReadBuffer(data, OdString("bad.dxf"));
    FAIL() << "no error for: " << data.substr(0, 60);
  } catch (const OdError& e) {
    std::string text = e.description().utf8();
    EXPECT_NE(text.find("bad.dxf"), std::string::npos) << text;
    EXPECT_NE(text.find(mention), std::string::npos) << text;
    // One short line, whatever the file holds.
    EXPECT_LT(text.size(), 200u) << text;
    EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < 0x20; })) << text;
  }
}

TEST(DxfReader, MalformedFilesGiveAClearError) {
  expectReadError("", "not a DXF file");
  expectReadError("hello world\n", "line 1");
  expectReadError("0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n", "line 7");
  expectReadError("0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n", "ENTITIES");
  expectReadError("0\nSECTION\n2\nENTITIES\nten\nLINE\n", "group code");
  expectReadError(std::string("AutoCAD Binary DXF\r\n\x1a\0\0\0SECTION\0\x02\0", 34), "byte");
  expectReadError("0\nSECTION\n2\nTABLES\n0\nLAYER\n2\nX\n0\nENDSEC\n0\nEOF\n", "line 5: a table entry 'LAYER'");
  expectReadError("0\nSECTION\n2\nENTITIES\n0\nLINE\n65536\n0\n0\nENDSEC\n0\nEOF\n", "group code 65536 is out of range");
  // Found by fuzzing: 36021 was kept as -29515, which the written file could not hold.
  expectReadError("0\nSECTION\n2\nENTITIES\n0\nLINE\n36021\n0\n0\nENDSEC\n0\nEOF\n", "group code 36021 is out of range");
  expectReadError("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n0\nENDSEC\n0\nEOF\n", "line 7: group 10 needs a number");
  expectReadError("0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\n" + std::string(100000, 'X') + "\n", "found 'XXXX");
  expectReadError(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) +
                      std::string("\0\0SECTION\0\x02\0ENTITIES\0\0\0ENDSEC\0\0\0SECTI\nON\0", 41),
                  "found 'SECTI\\x0AON'");
  // Found by fuzzing: names were written escaped ("^@"), as other names, or cut at a NUL byte.
  expectReadError(std::string("0\nSECTION\n2\nHEADER\0\n0\nENDSEC\n0\nEOF\n", 35),
                  "line 1: expected a section name, found 'HEADER\\x00'");
  expectReadError("0\nSECTION\n2\nOTHER\n0\nA^B\n0\nENDSEC\n0\nEOF\n", "line 5: expected a record type, found 'A^B'");
  // Found by fuzzing: an ENDBLK among the entities went into its block and was written there, ending it early.
  expectReadError("0\nSECTION\n2\nENTITIES\n0\nENDBLK\n5\n1D7\n330\n1F\n0\nENDSEC\n0\nEOF\n",
                  "line 5: a block's 'ENDBLK' in the ENTITIES section");
  // Found by fuzzing: a binary NaN read, then was written as "-nan", which does not read.
  expectReadError(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) +
                      std::string("\0\0SECTION\0\x02\0ENTITIES\0\0\0LINE\0\x0a\0\0\0\0\0\0\0\xf8\x7f", 38),
                  "group 10 needs a number");
}

TEST(DxfReader, BlockRecordsNamedOnlyByTheirBlockKeepTheirEntities) {
  // An R14 file whose block records have no names: the BLOCK names model space.
  const char* r14 =
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1014\n0\nENDSEC\n0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nBLOCK_RECORD\n"
      "5\n1\n70\n1\n0\nBLOCK_RECORD\n5\n1F\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n0\nENDTAB\n"
      "0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n5\n20\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockBegin\n"
      "2\n*Model_Space\n70\n0\n10\n0\n20\n0\n30\n0\n0\nENDBLK\n5\n21\n330\n1F\n100\nAcDbEntity\n8\n0\n"
      "100\nAcDbBlockEnd\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n30\n330\n1F\n100\nAcDbEntity\n8\n0\n"
      "100\nAcDbLine\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n0\nENDSEC\n0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadBuffer(r14, OdString("r14.dxf"));
  EXPECT_EQ(modelSpaceCounts(db.get()), (std::map<std::string, int>{{"AcDbLine", 1}}));
}

// Found by fuzzing: an entity owned by a block record that no BLOCK names
// was written inside BLOCKS without a BLOCK, which did not read back.
TEST(DxfReader, EntitiesOfABlockRecordWithoutABlockAreWrittenInOne) {
  const char* text =
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nBLOCK_RECORD\n5\n1\n0\nBLOCK_RECORD\n5\n2A\n100\nAcDbSymbolTableRecord\n"
      "100\nAcDbBlockTableRecord\n2\nB\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n30\n330\n2A\n"
      "100\nAcDbEntity\n8\n0\n100\nAcDbLine\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n0\nENDSEC\n0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("owned.dxf"));
  OdDbDatabasePtr again = odDxfReadBuffer(odDxfWriteString(db.get()), OdString("written.dxf"));
  auto block = OdDbBlockTableRecord::cast(again->blockTable()->getAt(OdString("B")).openObject().get());
  ASSERT_FALSE(block.isNull());
  EXPECT_EQ(block->entityIds().size(), 1u);
}

TEST(DxfReader, FilesWithoutAVersionOrWithUntrustedCountsRead) {
  // Many programs write no header: such files are R12.
  OdDbDatabasePtr noHeader =
      odDxfReadBuffer("0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n0\nENDSEC\n0\nEOF\n", OdString("min.dxf"));
  EXPECT_EQ(noHeader->originalFileVersion(), OdString("AC1009"));
  // A dash count of a billion reserves no memory for them: the dashes given make the pattern.
  OdDbDatabasePtr dashes = odDxfReadBuffer(
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n0\nLTYPE\n2\nDASHED\n70\n0\n72\n65\n73\n1000000000\n40\n1\n49\n0.5\n"
      "0\nENDTAB\n0\nENDSEC\n0\nEOF\n",
      OdString("dashes.dxf"));
  auto dashed = OdDbLinetypeTableRecord::cast(
      dashes->table(OdDbDatabase::Table::Linetype)->getAt(OdString("DASHED")).openObject().get());
  ASSERT_FALSE(dashed.isNull());
  EXPECT_EQ(dashed->dashes().size(), 1u);
  EXPECT_LT(dashed->dashes().capacity(), 1000u);
}

TEST(DxfReader, MissingFileNamesTheFile) {
  try {
    odDxfReadFile(OdString("/no/such/dir/plan.dxf"));
    FAIL();
  } catch (const OdError& e) {
    EXPECT_NE(e.description().utf8().find("/no/such/dir/plan.dxf"), std::string::npos);
  }
}

TEST(DxfReader, TruncatedRealFilesNeverCrash) {
  SKIP_WITHOUT_TESTDATA();
  for (const auto& name : {"dxf/example_r12_AC1009.dxf", "dxf/sample_binary_AC1027.dxf", "dxf/ceco_architecture_AC1015.dxf"}) {
    std::string data = fileContents(testDataDir() / name);
    if (data.empty()) continue;
    for (size_t cut : {data.size() / 7, data.size() / 3, data.size() / 2 + 3, data.size() - 20}) {
      try {
        odDxfReadBuffer(std::string_view(data).substr(0, cut), OdString(name));
      } catch (const OdError& e) {
        EXPECT_NE(e.description().utf8().find(name), std::string::npos);
      }
    }
    std::string garbled = data;
    for (size_t i = garbled.size() / 5; i < garbled.size(); i += garbled.size() / 9) garbled[i] = '\x7f';
    try {
      odDxfReadBuffer(garbled, OdString(name));
    } catch (const OdError&) {
    }
  }
}

TEST(DxfReader, EveryRealDrawingReadsAndWritesTheSameBytesTwice) {
  SKIP_WITHOUT_TESTDATA();
  auto files = testDataFiles("dxf", ".dxf");
  auto pairs = testDataFiles("pairs", ".dxf");
  files.insert(files.end(), pairs.begin(), pairs.end());
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    OdDbDatabasePtr db = odDxfReadFile(OdString(file.string()));
    std::string first = odDxfWriteString(db.get());
    OdDbDatabasePtr again = odDxfReadBuffer(first, OdString("written"));
    EXPECT_EQ(modelSpaceCounts(db.get()), modelSpaceCounts(again.get()));
    EXPECT_EQ(firstDifference(first, odDxfWriteString(again.get())), "");
  }
}

}  // namespace

TEST(DxfReader, NumbersFollowedByOtherTextAreRepairedCountedAndTheFirstNamed) {
  const std::string text =
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n1,5\n20\n2 mm\n30\n0\n11\n5\n21\n5\n31\n0\n0\nENDSEC\n0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("repaired.dxf"));
  EXPECT_EQ(db->readRepairs(), 2u);
  EXPECT_EQ(db->firstReadRepair(), OdString("line 9: group 10 '1,5' read as 1.5"));
  OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject();
  OdDbLinePtr line = modelSpace->entityIds().front().safeOpenObject();
  EXPECT_EQ(line->startPoint(), OdGePoint3d(1.5, 2, 0));
  EXPECT_EQ(odDxfReadBuffer(kR12WithoutHandles, OdString("r12.dxf"))->readRepairs(), 0u);
}
