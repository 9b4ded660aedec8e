// The counts of a comparison's report: objects of model space as a user
// counts them, beside the fingerprinted entities the result paints.

#include "TestData.h"
#include "module/ModuleTestSupport.h"

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"
#include "DcComparisonReport.h"
#include "HostDocManager.h"

#include <fstream>

using namespace dwgcompare;

namespace {
// A LINE, an INSERT with two attributes and a POLYLINE of three vertices;
// the second attribute's text and the vertices' x as given.
std::string drawing(const std::string& secondText, int vertexX) {
  std::string dxf =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nB\n70\n2\n10\n0\n20\n0\n30\n0\n"
      "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n0\nENDBLK\n8\n0\n0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n"
      "0\nINSERT\n8\n0\n66\n1\n2\nB\n10\n5\n20\n5\n30\n0\n";
  for (auto [tag, text] : {std::pair<std::string, std::string>{"T1", "one"}, {"T2", secondText}})
    dxf += "0\nATTRIB\n8\n0\n10\n5\n20\n5\n30\n0\n40\n1\n1\n" + text + "\n2\n" + tag + "\n70\n0\n";
  dxf += "0\nSEQEND\n8\n0\n0\nPOLYLINE\n8\n0\n66\n1\n70\n0\n";
  for (int i = 0; i < 3; ++i)
    dxf += "0\nVERTEX\n8\n0\n10\n" + std::to_string(vertexX) + "\n20\n" + std::to_string(i) + "\n30\n0\n";
  return dxf + "0\nSEQEND\n8\n0\n0\nENDSEC\n0\nEOF\n";
}
}  // namespace

using DcComparisonReportTest = LoadedModuleFixture;

TEST_F(DcComparisonReportTest, AnInsertWithItsAttributesAndAPolylineWithItsVerticesCountAsOneObjectEach) {
  std::string file1 = dir / "a.dxf", file2 = dir / "b.dxf";
  std::ofstream(file1) << drawing("two", 10);
  std::ofstream(file2) << drawing("TWO", 20);
  ASSERT_TRUE(compareOnCommandLine(file1, file2)) << commandLog();
  HostDocument* result = app->docManager().curDocument();
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  ASSERT_TRUE(result && manager);
  auto* comparison = comparisonImpl(manager->findComparison(result->database()->getModelSpaceId()).get());
  ComparisonReport report = makeComparisonReport(*manager, *comparison);
  // The line is shared; the INSERT (one attribute edited) and the polyline are in each file alone.
  EXPECT_EQ(report.counts.file1Only, 2u);
  EXPECT_EQ(report.counts.file2Only, 2u);
  EXPECT_EQ(report.counts.shared, 1u);
  // Among the entities, the INSERT and its first attribute are shared.
  EXPECT_EQ(report.entityCounts.file1Only, 2u);
  EXPECT_GE(report.entityCounts.shared, 3u);
}
