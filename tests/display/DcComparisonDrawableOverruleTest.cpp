#include "display/DisplayTestSupport.h"
#include "module/ModuleTestSupport.h"

#include "DbRasterImage.h"
#include "DbText.h"
#include "GiExtents.h"
#include "GsModel.h"
#include "HostDocManager.h"
#include "HostGsDevice.h"

using namespace dwgcompare;

namespace {
// Where the sample drawings' objects start to draw.
const OdGePoint3d kSharedLine(0, 0, 0);
const OdGePoint3d kFile1Line(0, 1, 0);
const OdGePoint3d kFile2Line(10, 1, 0);
const OdGePoint3d kSharedCircle(6, 5, 0);
const OdGePoint3d kFile2Circle(8, 5, 0);

// A door at (x, 20): a block DOOR of a line and then a reference to KNOB, a small circle.
std::function<void(OdDbDatabase*)> doorAt(double x) {
  return [x](OdDbDatabase* db) {
    OdDbBlockTableRecordPtr knob = addBlock(db, "KNOB");
    addTo<OdDbCircle>(knob.get())->setRadius(0.25);
    OdDbBlockTableRecordPtr door = addBlock(db, "DOOR");
    OdDbLinePtr leaf = addTo<OdDbLine>(door.get());
    leaf->setEndPoint(OdGePoint3d(1, 0, 0));
    addReference(door.get(), knob->objectId(), OdGePoint3d(0.5, 0.5, 0));
    addReference(modelSpaceOf(db).get(), door->objectId(), OdGePoint3d(x, 20, 0));
  };
}

void addNote(OdDbDatabase* db) {
  OdDbTextPtr note = addTo<OdDbText>(modelSpaceOf(db).get());
  note->setPosition(OdGePoint3d(20, 0, 0));
  note->setHeight(1);
  note->setTextString("NOTE");
}

// A raster image of 10 x 10 pixels of one unit, its corner at (30, 30).
void addImage(OdDbDatabase* db) {
  OdDbRasterImagePtr image = addTo<OdDbRasterImage>(modelSpaceOf(db).get());
  image->setPosition(OdGePoint3d(30, 30, 0));
  image->setPixelVectors(OdGeVector3d(1, 0, 0), OdGeVector3d(0, 1, 0));
  image->setImageSize(OdGeVector2d(10, 10));
}

// The persistent ids of each highlighted path, innermost first.
std::vector<std::vector<OdDbStub*>> highlightedIdPaths(const OdGsModel* model) {
  std::vector<std::vector<OdDbStub*>> paths;
  for (const OdGsHighlightedPath& path : model->highlightedPaths()) {
    paths.emplace_back();
    for (const OdGsHighlightedPath::Node& node : path.nodes) paths.back().push_back(node.persistentId);
  }
  return paths;
}
}  // namespace

class DcComparisonDrawableOverruleTest : public LoadedModuleFixture {
 protected:
  // Revision clouds are drawn as any entity: these tests are about the files' objects.
  void SetUp() override {
    LoadedModuleFixture::SetUp();
    getDcSettings()->setShowsRevisionClouds(false);
  }
  // File 1 and File 2 share a line along x and a small circle; File 1 alone
  // has a line up the y axis, File 2 alone a line at x = 10 and a big circle.
  void compareSample(const std::function<void(OdDbDatabase*)>& more1 = {},
                     const std::function<void(OdDbDatabase*)>& more2 = {}) {
    std::string plan = writeDrawing("plan.dxf", {{0, 0, 10, 0}, {0, 1, 0, 10}}, {{5, 5, 1}}, more1);
    std::string revised = writeDrawing("revised.dxf", {{0, 0, 10, 0}, {10, 1, 10, 12}}, {{5, 5, 1}, {5, 5, 3}}, more2);
    ASSERT_TRUE(compareOnCommandLine(plan, revised)) << commandLog();
    ASSERT_TRUE(displayOverrulesOn());
  }
  HostDocument* resultDocument() { return app->docManager().curDocument(); }
  OdDbDatabase* result() { return resultDocument()->database(); }
  DcSettings& settings() { return *getDcSettings(); }
  // The entity of File 1's (1) or File 2's (2) block that draws first at the point.
  OdDbEntityPtr boundEntityStartingAt(int file, const OdGePoint3d& start) {
    for (const OdDbObjectId& id : entitiesOfReferencedBlock(resultReferences(result())[file - 1])) {
      OdDbEntityPtr entity = id.safeOpenObject();
      RecordingSink sink;
      OdGiWorldDrawImpl(sink).drawEntity(entity.get());
      if (!polylinesStartingAt(sink, start).empty()) return entity;
    }
    return OdDbEntityPtr();
  }
  RecordingSink drawPlainly() {
    getDocManReactor()->disableOverrules();
    RecordingSink plain = drawModelSpace(result());
    getDocManReactor()->enableOverrules();
    return plain;
  }
};

TEST_F(DcComparisonDrawableOverruleTest, EachGroupIsDrawnUnderItsHighlightTypeWithItsTransparency) {
  compareSample();
  settings().setFile1Transparency(0.5);
  RecordingSink sink = drawModelSpace(result());

  auto file1Line = polylinesStartingAt(sink, kFile1Line);
  ASSERT_EQ(file1Line.size(), 1u);
  EXPECT_EQ(file1Line[0].highlightType, 3);
  EXPECT_EQ(file1Line[0].alpha, 127);
  auto file2Line = polylinesStartingAt(sink, kFile2Line);
  ASSERT_EQ(file2Line.size(), 1u);
  EXPECT_EQ(file2Line[0].highlightType, 4);
  EXPECT_EQ(file2Line[0].alpha, 255);
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, kFile2Circle)), std::vector<int>{4});
  // Shared objects come once from each file.
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, kSharedLine)), (std::vector<int>{5, 5}));
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, kSharedCircle)), (std::vector<int>{5, 5}));

  // The result's device paints the three types in the groups' colours, the transparency in the style too.
  auto look = [&](int type) {
    const ZrGi::HighlightStyle* style = resultDocument()->device()->highlightStyle(type);
    return style ? std::vector<int>{style->red, style->green, style->blue, style->alpha} : std::vector<int>{};
  };
  EXPECT_EQ(look(3), (std::vector<int>{0, 255, 0, 127}));
  EXPECT_EQ(look(4), (std::vector<int>{255, 0, 0, 255}));
  EXPECT_EQ(look(5), (std::vector<int>{128, 128, 128, 255}));
}

TEST_F(DcComparisonDrawableOverruleTest, AHiddenGroupIsNotDrawnCountsForTheExtentsAndComesBackWithItsTransparency) {
  compareSample();
  OdDbEntityPtr file2Line = boundEntityStartingAt(2, kFile2Line);
  ASSERT_FALSE(file2Line.isNull());
  settings().setFile2Transparency(0.3);
  settings().setFile2Visible(false);
  RecordingSink hidden = drawModelSpace(result());
  EXPECT_TRUE(polylinesStartingAt(hidden, kFile2Line).empty());
  EXPECT_TRUE(polylinesStartingAt(hidden, kFile2Circle).empty());
  EXPECT_EQ(polylinesStartingAt(hidden, kFile1Line).size(), 1u);
  EXPECT_EQ(polylinesStartingAt(hidden, kSharedLine).size(), 2u);
  // Hidden groups still count for the extents.
  settings().setSharedVisible(false);
  EXPECT_EQ(drawModelSpace(result()).extents.maxPoint(), OdGePoint3d(0, 10, 0));  // File 1's line alone
  EXPECT_EQ(drawModelSpace(result(), kOdGiForExtents).extents.maxPoint(), OdGePoint3d(10, 12, 0));
  OdDbBlockTableRecordPtr modelSpace = result()->getModelSpaceId().safeOpenObject();
  OdGeExtents3d extents = odGiBlockExtents(modelSpace.get());
  EXPECT_EQ(extents.minPoint(), OdGePoint3d(0, 0, 0));
  EXPECT_EQ(extents.maxPoint(), OdGePoint3d(10, 12, 0));
  settings().setSharedVisible(true);

  // The hidden line answers that it is drawn, and draws nothing.
  RecordingSink nothing;
  OdGiWorldDrawImpl draw(nothing);
  EXPECT_TRUE(file2Line->worldDraw(&draw));
  EXPECT_TRUE(nothing.polylines.empty());

  settings().setFile2Visible(true);
  auto shown = polylinesStartingAt(drawModelSpace(result()), kFile2Line);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].alpha, 178);  // 0.3 of the settings, not the nothing of a hidden group
  EXPECT_EQ(shown[0].highlightType, 4);
}

TEST_F(DcComparisonDrawableOverruleTest, WithoutTheOverruleOrWithEmptyMapsTheResultDrawsAsItIs) {
  std::string plan = writeDrawing("plan.dxf", {{0, 0, 10, 0}, {0, 1, 0, 10}});
  std::string revised = writeDrawing("revised.dxf", {{0, 0, 10, 0}, {10, 1, 10, 12}});
  // Compared from the palette: until the zoom-all after the first drawing, the maps are empty.
  ASSERT_EQ(dwgcompareui::makeComparisonPalette().compare(OdString(plan), OdString(revised)), eOk);
  ASSERT_TRUE(displayOverrulesOn());
  RecordingSink emptyMaps = drawModelSpace(result());
  RecordingSink plain = drawPlainly();
  EXPECT_EQ(plain.polylines.size(), 4u);
  EXPECT_TRUE(sameDrawing(emptyMaps, plain));

  ASSERT_TRUE(app->typeLine("ZOOMALL"));
  ASSERT_FALSE(sameDrawing(drawModelSpace(result()), plain));
  // Switched off but still registered: drawn as it is.
  comparisonDrawableOverrule().setEnabled(false);
  EXPECT_TRUE(sameDrawing(drawModelSpace(result()), plain));
}

TEST_F(DcComparisonDrawableOverruleTest, ExcludedAndFilteredClassesAreNotDrawnWhileTheOverruleIsOn) {
  compareSample([](OdDbDatabase* db) { addNote(db); addImage(db); }, addNote);
  const OdGePoint3d imageCorner(30, 30, 0);
  RecordingSink plain = drawPlainly();
  ASSERT_EQ(polylinesStartingAt(plain, imageCorner).size(), 1u);
  ASSERT_EQ(plain.texts, (std::vector<std::string>{"NOTE", "NOTE"}));

  RecordingSink coloured = drawModelSpace(result());
  EXPECT_TRUE(polylinesStartingAt(coloured, imageCorner).empty());
  EXPECT_EQ(highlightTypesOf(coloured.textTraits), (std::vector<int>{5, 5}));

  settings().addFilteredClass(OdDbText::desc());
  RecordingSink filtered = drawModelSpace(result());
  EXPECT_TRUE(filtered.texts.empty());
  EXPECT_EQ(filtered.polylines.size(), coloured.polylines.size());
  EXPECT_EQ(drawPlainly().texts.size(), 2u);  // hidden only by the overrule
}

TEST_F(DcComparisonDrawableOverruleTest, NestedEntitiesFollowTheOutermostReferenceThatIsNotShared) {
  // The same door in both files, placed elsewhere: its line and knob are shared, its references are not.
  compareSample(doorAt(20), doorAt(30));
  const OdGePoint3d file1Leaf(20, 20, 0), file1Knob(20.75, 20.5, 0);
  const OdGePoint3d file2Leaf(30, 20, 0), file2Knob(30.75, 20.5, 0);
  RecordingSink sink = drawModelSpace(result());
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, file1Leaf)), std::vector<int>{3});
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, file1Knob)), std::vector<int>{3});
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, file2Leaf)), std::vector<int>{4});
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, file2Knob)), std::vector<int>{4});
  // Entities lying directly in the two marked blocks go by their own fingerprints.
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, kSharedLine)), (std::vector<int>{5, 5}));

  // The graphics model learns each coloured path, outermost reference last; never a marked reference alone.
  std::vector<OdDbObjectId> references = resultReferences(result());
  OdDbEntityPtr door = boundEntityStartingAt(1, file1Leaf);
  ASSERT_FALSE(door.isNull());
  OdDbBlockReferencePtr doorReference(door);
  OdDbBlockTableRecordPtr doorBlock = doorReference->blockTableRecord().safeOpenObject();
  OdDbBlockReferencePtr knobReference = doorBlock->entityIds()[1].safeOpenObject();
  OdDbBlockTableRecordPtr knobBlock = knobReference->blockTableRecord().safeOpenObject();
  std::vector<OdDbStub*> knobPath = {knobBlock->entityIds()[0].stub(), knobReference->objectId().stub(),
                                     door->objectId().stub(), references[0].stub()};
  std::vector<std::vector<OdDbStub*>> highlighted = highlightedIdPaths(result()->graphicsModel());
  EXPECT_NE(std::find(highlighted.begin(), highlighted.end(), knobPath), highlighted.end());
  for (const std::vector<OdDbStub*>& path : highlighted)
    for (const OdDbObjectId& marked : references) EXPECT_NE(path.front(), marked.stub());

  // The user moves File 1's knob: its reference is now in neither map, and
  // what it holds is drawn as it is; the door's leaf, drawn before it, stays File 1's.
  knobReference->upgradeOpen();
  knobReference->setPosition(OdGePoint3d(0.5, 0.75, 0));
  knobReference->downgradeOpen();
  sink = drawModelSpace(result());
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, file1Leaf)), std::vector<int>{3});
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, OdGePoint3d(20.75, 20.75, 0))), std::vector<int>{0});
  EXPECT_EQ(highlightTypesOf(polylinesStartingAt(sink, file2Knob)), std::vector<int>{4});
}
