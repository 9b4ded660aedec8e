#pragma once

#include "HostApp.h"
#include "IProfile.h"
#include "host/HostTestSupport.h"
#include "od/TestDrawing.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "DbCircle.h"
#include "DcComparisonDrawableOverrule.h"
#include "DcComparisonManagerImpl.h"
#include "DcDocManReactor.h"
#include "DcEditorReactor.h"
#include "DcModuleContext.h"
#include "DcSettings.h"
#include "DcUiDrawingComparisonPalette.h"
#include "DrawingCompareModule.h"
#include "DxfWriter.h"
#include "IProfile.h"
#include "RxEvent.h"
#include "RxOverrule.h"

#include <algorithm>
#include <functional>
#include <vector>

// A manager whose runs follow the editor, as the palette makes them.
inline dwgcompare::DcComparisonManagerPtr newComparisonManager() {
  dwgcompare::DcComparisonManagerPtr manager = dwgcompare::DcComparisonManager::createObject();
  static_cast<dwgcompare::DcComparisonManagerImpl*>(manager.get())->setEditorReactorMaker(&dwgcompare::newDcEditorReactor);
  return manager;
}

// The module loaded into a running host, as `cadhost --load` loads it.
// The library is linked into the tests, so what loading the file does is
// repeated for each host; unloading undoes what the module leaves behind.
class LoadedModuleFixture : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    HostRefPtr<IProfileSection>::adopt(app->profile().openSection("cmddata", true));
    loadModule();
  }
  void loadModule() {
    dwgcompare::onModuleLoaded();
    OdString error;
    ASSERT_TRUE(app->modules().load(DC_MODULE_FILE, error)) << error.utf8();
  }
  // Unloads the module and starts the host again on its profile, without the module.
  void restartWithoutModule() {
    app->modules().unloadAll();
    restartHost();
  }
  void TearDown() override {
    dwgcompare::getDocManReactor()->disableOverrules();
    const OdRxEventReactor* events = dwgcompare::getDocManReactor()->eventReactor();
    app->modules().unloadAll();
    dwgcompare::destroyModuleContext();
    // The overrule outlives the test's comparisons; it must not keep their maps.
    dwgcompare::comparisonDrawableOverrule().clearComparisonContext();
    HostFixture::TearDown();
    // Overrules and the library's event reactors are process-wide: the module's may not stay for the next test.
    EXPECT_FALSE(OdRxOverrule::hasOverrule(OdDbEntity::desc(), OdRxOverrule::desc()));
    const std::vector<OdRxEventReactor*>& reactors = odrxEvent()->reactors();
    EXPECT_EQ(std::find(reactors.begin(), reactors.end(), events), reactors.end());
  }

  // Compares two drawings as the user does on the command line: the result
  // is drawn, zoomed to its extents, and its objects are compared.
  bool compareOnCommandLine(const std::string& file1, const std::string& file2) {
    return app->typeLine("-DWGCOMPARE \"" + file1 + "\" \"" + file2 + "\"");
  }

  // A drawing of the test's own: the given lines (start x, y to end x, y)
  // and circles (centre x, y, radius) in model space, written as DXF.
  std::string writeDrawing(const std::string& name, const std::vector<std::array<double, 4>>& lines,
                           const std::vector<std::array<double, 3>>& circles = {},
                           const std::function<void(OdDbDatabase*)>& more = {}) {
    OdDbDatabasePtr db = OdDbDatabase::create();
    OdDbBlockTableRecordPtr modelSpace = modelSpaceOf(db.get());
    for (const auto& l : lines) addLine(modelSpace.get(), OdGePoint3d(l[0], l[1], 0), OdGePoint3d(l[2], l[3], 0));
    for (const auto& c : circles) {
      OdDbCirclePtr circle = addTo<OdDbCircle>(modelSpace.get());
      circle->setCenter(OdGePoint3d(c[0], c[1], 0));
      circle->setRadius(c[2]);
    }
    if (more) more(db.get());
    std::string path = dir / name;
    odDxfWriteFile(db.get(), OdString(path));
    return path;
  }
  OdDbDatabasePtr readDrawing(const std::string& path) { return app->services().readFile(OdString(path)); }
};
