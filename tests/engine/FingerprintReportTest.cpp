// The fingerprint report: a line per entity, and the values behind one fingerprint.

#include "DbText.h"
#include "DxfReader.h"
#include "FingerprintReport.h"
#include "FingerprintTestSupport.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

using namespace hostObjectCompare;

namespace {

using FingerprintReportTest = FingerprintTest;

std::vector<std::string> utf8(const std::vector<OdString>& lines) {
  std::vector<std::string> out;
  for (const OdString& line : lines) out.push_back(line.utf8());
  return out;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(FingerprintReportTest, ListsEveryEntityOfARealDrawing) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr drawing = odDxfReadFile(OdString((testDataDir() / "dxf" / "example_r12_AC1009.dxf").string()));
  std::vector<std::string> lines = utf8(fingerprintLines(drawing.get()));
  OdDbBlockTableRecordPtr modelSpace = OdDbBlockTableRecord::cast(drawing->getModelSpaceId().openObject().get());
  EXPECT_EQ(lines.size(), modelSpace->entityIds().size());
  const std::regex form("[0-9A-F]+ AcDb[A-Za-z0-9]+ [0-9A-F]{8}");
  for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, form)) << line;
}

TEST_F(FingerprintReportTest, ShowsTheValuesAsTheyReachTheFingerprint) {
  OdDbLinePtr line = addLine(OdGePoint3d(1.23456, -0.0000001, 0), OdGePoint3d(4, 5, 6));
  line->setLayer(addLayer("FILE1$0$Walls"));
  setCompareTolerance(2);
  std::vector<std::string> values = utf8(fingerprintValueLines(line.get()));
  EXPECT_TRUE(contains(values, "10: 1.23, 0.0, 0.0"));
  EXPECT_TRUE(contains(values, "11: 4.0, 5.0, 6.0"));
  EXPECT_TRUE(contains(values, "100: AcDbLine"));
  EXPECT_FALSE(std::any_of(values.begin(), values.end(), [](const std::string& v) { return v.starts_with("8: "); }));
  EXPECT_FALSE(std::any_of(values.begin(), values.end(), [](const std::string& v) { return v.starts_with("5: "); }));
  setCompareProps(CompareLayer);
  EXPECT_TRUE(contains(utf8(fingerprintValueLines(line.get())), "8: Walls"));
}

TEST_F(FingerprintReportTest, ShowsIntegersTextsAndBinaryChunks) {
  static OdRxClass* cls = probeClass("OdDbFingerprintReportProbe", OdDbObject::desc());
  const uint8_t chunk[] = {0x01, 0xAB, 0xFF};
  auto probe = Probe<OdDbObject>::make(cls, [&chunk](OdDbDxfFiler* filer) {
    filer->wrInt16(70, -3);
    filer->wrUInt32(91, 4000000000u);
    filer->wrBool(290, true);
    filer->wrString(1, OdString("{left out}"));
    filer->wrString(1, OdString("Grüße"));
    filer->wrBinaryChunk(310, chunk, sizeof chunk);
    filer->wrHandle(5, OdDbHandle(0x1F));
  });
  EXPECT_EQ(utf8(fingerprintValueLines(probe.get())),
            (std::vector<std::string>{"70: -3", "91: 4000000000", "290: 1", "1: Grüße", "310: 01ABFF"}));
  auto silent = Probe<OdDbObject>::make(cls, [](OdDbDxfFiler*) {});
  EXPECT_TRUE(fingerprintValueLines(silent.get()).empty());
}

}  // namespace
