// COMPARENEXT and COMPAREPREV step through a result drawing's changes, the
// chosen one's cloud drawn heavier.

#include "ModuleTestSupport.h"

#include "DcRevisionClouds.h"
#include "HostDocManager.h"
#include "HostGsDevice.h"

using namespace dwgcompare;

class ChangeNavigationTest : public LoadedModuleFixture {
 protected:
  // Where the clouds drawn heavier stand along x.
  std::vector<double> heavyCloudCenters() {
    std::vector<double> centers;
    OdDbDatabase* result = app->docManager().curDocument()->database();
    OdDbBlockTableRecordPtr space = result->getModelSpaceId().safeOpenObject();
    for (OdDbObjectId id : space->entityIds())
      if (OdDbEntityPtr entity = OdDbEntity::cast(id.openObject().get()); entity && isHighlightedRevisionCloud(entity.get()))
        centers.push_back(drawnExtents(entity.get()).center().x);
    return centers;
  }
};

TEST_F(ChangeNavigationTest, StepsGoRoundTheChangesZoomingToEach) {
  // Three changes, in reading order: a line removed at the top, one added left and one right below it.
  std::string file1 = writeDrawing("a.dxf", {{0, 0, 1000, 0}, {400, 900, 500, 900}});
  std::string file2 = writeDrawing("b.dxf", {{0, 0, 1000, 0}, {100, 300, 200, 300}, {800, 300, 900, 300}});
  ASSERT_TRUE(compareOnCommandLine(file1, file2)) << commandLog();
  const double centers[] = {450, 150, 850};
  struct Step {
    const char* command;
    int change;  // index selected after it
  } steps[] = {{"COMPARENEXT", 0}, {"COMPARENEXT", 1}, {"COMPARENEXT", 2}, {"COMPARENEXT", 0},
               {"COMPAREPREV", 2}, {"COMPAREPREV", 1}};
  HostGsView& view = app->docManager().curDocument()->device()->view();
  for (const Step& step : steps) {
    ASSERT_TRUE(app->typeLine(step.command)) << commandLog();
    EXPECT_EQ(getDocManReactor()->currentComparison()->currentChange(), step.change) << step.command;
    EXPECT_NEAR(view.center().x, centers[step.change], 1e-9) << step.command;
    // A 100-long line with a quarter of it on each side.
    EXPECT_NEAR(view.width(), 150, 10) << step.command;
    EXPECT_NE(commandLog().rfind("Change " + std::to_string(step.change + 1) + " ("), std::string::npos);
    EXPECT_EQ(heavyCloudCenters(), std::vector<double>{centers[step.change]}) << step.command;
  }
}

TEST_F(ChangeNavigationTest, WithoutChangesOrOutsideAComparisonTheUserIsTold) {
  std::string plan = writeDrawing("a.dxf", {{0, 0, 1000, 0}});
  ASSERT_TRUE(app->typeLine("OPEN \"" + plan + "\""));
  ASSERT_TRUE(app->typeLine("COMPARENEXT"));
  EXPECT_NE(commandLog().find("Not in comparison mode"), std::string::npos) << commandLog();
  ASSERT_TRUE(compareOnCommandLine(plan, plan)) << commandLog();
  for (const char* command : {"COMPARENEXT", "COMPAREPREV"}) {
    ASSERT_TRUE(app->typeLine(command));
    EXPECT_NE(commandLog().find("No changes to show"), std::string::npos) << commandLog();
    EXPECT_EQ(getDocManReactor()->currentComparison()->currentChange(), -1);
  }
}
