#include "module/ModuleTestSupport.h"

#include "HostDocManager.h"

using DcUiComparisonFailureReportTest = LoadedModuleFixture;

TEST_F(DcUiComparisonFailureReportTest, AnOpenFile2WhoseFileWasEmptiedIsReportedPrintedAndWritten) {
  std::string plan = writeDrawing("a.dxf", {{0, 0, 10, 0}});
  std::string revised = writeDrawing("b.dxf", {{0, 0, 10, 0}, {0, 1, 0, 10}});
  ASSERT_TRUE(app->typeLine("OPEN \"" + revised + "\""));
  // The open drawing is compared, but its file, read again to be bound, has nothing in it.
  writeDrawing("b.dxf", {});
  ASSERT_TRUE(compareOnCommandLine(plan, revised)) << commandLog();
  const std::string reportLines =
      "Comparison Failure Report\nModel: Failed to clone comparing layout block into merge database\n";
  EXPECT_NE(commandLog().find(reportLines), std::string::npos) << commandLog();

  std::string json = dir / "report.json";
  ASSERT_TRUE(app->typeLine("-COMPAREREPORT \"" + json + "\"")) << commandLog();
  EXPECT_NE(readText(json).find(
                "\"failures\": [{\"layout\": \"Model\", \"reason\": \"Failed to clone comparing layout block into "
                "merge database\"}]"),
            std::string::npos)
      << readText(json);
  // The report's summary on the command line ends with the same lines.
  EXPECT_EQ(commandLog().rfind(reportLines), commandLog().size() - reportLines.size()) << commandLog();
}
