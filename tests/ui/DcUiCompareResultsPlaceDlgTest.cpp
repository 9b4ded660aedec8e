#include "DcUiDrawingComparisonPalette.h"
#include "module/ModuleTestSupport.h"

using namespace dwgcompare;
using Dialog = dwgcompareui::DcUiCompareResultsPlaceDlg;

// Without a window, as a headless host has the palette: the rows still work.
using DcUiCompareResultsPlaceDlgTest = LoadedModuleFixture;

TEST_F(DcUiCompareResultsPlaceDlgTest, TransparencyRowsReadWholePercentsAndTakeAnyNumber) {
  Dialog& dialog = dwgcompareui::makeComparisonPalette().settingsDialog();
  getDcSettings()->setFile1Transparency(0.456);
  EXPECT_EQ(dialog.row(Dialog::kTransparencyFile1).text(), OdString("45"));
  const std::pair<const char*, double> typed[] = {{"30", 0.3}, {"  20", 0.2}, {"150", 1.5}, {"-10", -0.1}};
  for (const auto& [text, fraction] : typed) {
    EXPECT_TRUE(dialog.row(Dialog::kTransparencyFile1).setText(text)) << text;
    EXPECT_DOUBLE_EQ(getDcSettings()->file1Transparency(), fraction) << text;
  }
  for (const char* refused : {"half", "", "nan", "1e999"}) {
    EXPECT_FALSE(dialog.row(Dialog::kTransparencyFile1).setText(refused)) << refused;
    EXPECT_DOUBLE_EQ(getDcSettings()->file1Transparency(), -0.1) << refused;
  }
}
