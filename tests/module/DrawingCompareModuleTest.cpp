#include "ModuleTestSupport.h"

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"
#include "HostEditorReactor.h"
#include "OdError.h"

#include <dlfcn.h>

using namespace dwgcompare;

namespace {
const char* const kModuleClassNames[] = {"DcUiHostDeviceUpdateListener", "DcComparisonManager",
                                         "DcBlockTableRecordComparison", "DcLayoutManagerReactor",
                                         "DcEditorReactor", "DcComparisonDrawableOverrule", "DcHighlightOverrule"};

OdRxClass* registeredClass(const char* name) { return odrxGetClass(name); }
}  // namespace

using DrawingCompareModuleTest = LoadedModuleFixture;

TEST_F(DrawingCompareModuleTest, LoadingRegistersTheCommandsClassesAndDocumentTracking) {
  for (const char* command : {"DWGCOMPARE", "COMPAREINFO"}) {
    const HostCommandRegistry::Entry* entry = app->commands().find(command);
    ASSERT_NE(entry, nullptr) << command;
    EXPECT_EQ(entry->group, OdString("HOST"));
  }
  for (const char* name : kModuleClassNames) EXPECT_NE(registeredClass(name), nullptr) << name;
  EXPECT_EQ(registeredClass("DcEditorReactor")->myParent(), HostEditorReactor::desc());
  EXPECT_TRUE(DcComparisonManager::createObject()->isKindOf(DcComparisonManager::desc()));

  EXPECT_EQ(odrxCreateModuleObject(), odrxCreateModuleObject());
  int version[4] = {};
  odrxGetAPIVersion(version[0], version[1], version[2], version[3]);
  EXPECT_EQ((std::vector<int>(version, version + 4)), (std::vector<int>{4, 3, 1, 0}));
  EXPECT_FALSE(isComparisonMode());
}

TEST_F(DrawingCompareModuleTest, UnloadingUnregistersEverythingAndSavesTheSettings) {
  OdCmColor index30;
  index30.setColorIndex(30);
  getDcSettings()->setSharedColor(index30);
  app->modules().unloadAll();
  for (const char* name : kModuleClassNames) EXPECT_EQ(registeredClass(name), nullptr) << name;
  EXPECT_EQ(drawingCompareModule(), nullptr);
  auto section = HostRefPtr<IProfileSection>::adopt(app->profile().openSection("cmddata/DrawingComparison", false));
  ASSERT_TRUE(section);
  EXPECT_EQ(section->getUInt16("SharedObjectColor", 0), 30);
  // A second uninitApp finds the classes gone.
  EXPECT_THROW(DrawingCompareModule().uninitApp(), OdError);
}

TEST_F(DrawingCompareModuleTest, DrawingCompareTogglesThePaletteAndItsStartupEntry) {
  auto startupHas = [&] {
    auto startup = HostRefPtr<IProfileSection>::adopt(app->profile().openSection("Startup", false));
    return startup && startup->hasEntry("DWGCOMPARE");
  };
  EXPECT_EQ(app->commands().commandState("DWGCOMPARE"), 1);
  ASSERT_TRUE(app->typeLine("DWGCOMPARE"));
  EXPECT_EQ(app->commands().commandState("DWGCOMPARE"), 3);
  EXPECT_TRUE(startupHas());
  ASSERT_TRUE(app->typeLine("DWGCOMPARE"));
  EXPECT_EQ(app->commands().commandState("DWGCOMPARE"), 1);
  EXPECT_FALSE(startupHas());
  ASSERT_TRUE(app->typeLine("DWGCOMPARE"));
  EXPECT_TRUE(startupHas());

  // A host started again runs the entry and shows the palette.
  restartWithoutModule();
  loadModule();
  EXPECT_TRUE(app->runStartup());
  EXPECT_TRUE(dwgcompareui::isPaletteVisible());
}
