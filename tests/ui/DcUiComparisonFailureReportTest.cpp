#include "module/ModuleTestSupport.h"

#include "DcUiComparisonFailureReport.h"
#include "HostDocManager.h"
#include "HostMainWindow.h"

#include <QDialog>
#include <QTreeWidget>

using namespace dwgcompare;

using DcUiComparisonFailureReportTest = LoadedModuleFixture;

TEST_F(DcUiComparisonFailureReportTest, LayoutsAreListedByNameTheLastFailureOfOneStanding) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbSymbolTablePtr blocks = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  auto failedBlock = [&](const char* name, int code) {
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
    block->setName(name);
    DcBlockTableRecordComparisonPtr comparison = DcBlockTableRecordComparison::createObject();
    comparisonImpl(comparison.get())->setBlockTableRecordId(blocks->add(block.get()));
    comparisonImpl(comparison.get())->setFailureCode(code);
    return comparison;
  };
  dwgcompareui::DcUiComparisonFailureReport report;
  EXPECT_FALSE(report.hasEntries());
  report.addFailure(failedBlock("Layout10", 1).get());
  DcBlockTableRecordComparisonPtr layout1 = failedBlock("Layout1", 9);
  report.addFailure(layout1.get());
  comparisonImpl(layout1.get())->setFailureCode(42);
  report.addFailure(layout1.get());
  EXPECT_EQ(report.rows(), (std::vector<LayoutFailure>{
                               {"Layout1", "Unknown failure"},
                               {"Layout10", "Failed to clone original layout block into merge database"}}));
}

TEST_F(DcUiComparisonFailureReportTest, AnOpenFile2WhoseFileWasEmptiedIsReportedPrintedAndWritten) {
  std::string plan = writeDrawing("a.dxf", {{0, 0, 10, 0}});
  std::string revised = writeDrawing("b.dxf", {{0, 0, 10, 0}, {0, 1, 0, 10}});
  // The palette's settings dialog hears the run and keeps the report.
  ASSERT_TRUE(app->typeLine("DWGCOMPARE"));
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

TEST_F(DcUiComparisonFailureReportTest, InTheWindowTheReportListsTheLayoutAndItsReason) {
  auto owned = std::make_unique<HostMainWindow>(*app);
  HostMainWindow* window = owned.get();
  app->setWindow(std::move(owned));
  window->show();
  std::string plan = writeDrawing("a.dxf", {{0, 0, 10, 0}});
  std::string revised = writeDrawing("b.dxf", {{0, 0, 10, 0}});
  ASSERT_TRUE(window->typeLineAndSettle("DWGCOMPARE"));
  ASSERT_TRUE(window->typeLineAndSettle(OdString("OPEN \"" + revised + "\"")));
  writeDrawing("b.dxf", {});
  ASSERT_TRUE(window->typeLineAndSettle(OdString("-DWGCOMPARE \"" + plan + "\" \"" + revised + "\""))) << commandLog();
  auto* report = window->findChild<QDialog*>("ComparisonFailureReport");
  ASSERT_TRUE(report && report->isVisible());
  EXPECT_EQ(report->windowTitle(), QStringLiteral("Comparison Failure Report"));
  auto* list = report->findChild<QTreeWidget*>("FailureList");
  ASSERT_TRUE(list);
  EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("Layout"));
  EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("Failure reason"));
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Model"));
  EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Failed to clone comparing layout block into merge database"));
}
