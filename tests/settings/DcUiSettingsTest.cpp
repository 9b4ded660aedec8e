#include "DcUiSettings.h"
#include "SettingsTestSupport.h"

using namespace dwgcompare;

namespace {

class DcUiSettingsTest : public SettingsWithSectionFixture {
 protected:
  DcUiSettings& ui() { return *settings().uiSettings(); }
  DcUiSettings& reloadUi() { return *reloadSettings().uiSettings(); }
};

TEST_F(DcUiSettingsTest, ValuesSurviveAReloadAsIntegers) {
  ui().setColumnWidth(0, 120);
  ui().setColumnWidth(1, 80);
  ui().setZoomSelected(true);
  ui().setShowFilteredObjectsMessage(false);

  DcUiSettings& loaded = reloadUi();
  EXPECT_EQ(loaded.columnWidth(0), 120);
  EXPECT_EQ(loaded.columnWidth(1), 80);
  EXPECT_TRUE(loaded.zoomSelected());
  EXPECT_FALSE(loaded.showFilteredObjectsMessage());

  HostRefPtr<IProfileSection> section = settingsSection();
  EXPECT_EQ(section->getInt32("LeftColumn", 0), 120);
  EXPECT_EQ(section->getInt32("RightColumn", 0), 80);
  EXPECT_EQ(section->getInt32("ZoomSelected", 0), 1);
  EXPECT_EQ(section->getInt32("ShowFiltredObjectsMessageBox", 1), 0);
}

}  // namespace
