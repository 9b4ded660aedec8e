// Dimensions: the class a DIMENSION record stands for (by subclass marker,
// or by the type in its flags in files without markers), their points as
// real drawings give them, and the text background kept as style overrides.

#include "Db2LineAngularDimension.h"
#include "Db3PointAngularDimension.h"
#include "DbAlignedDimension.h"
#include "DbArcDimension.h"
#include "DbDiametricDimension.h"
#include "DbOrdinateDimension.h"
#include "DbRadialDimension.h"
#include "DbRadialDimensionLarge.h"
#include "DbRotatedDimension.h"
#include "DbSymbolTable.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using namespace entity_test;

std::string className(OdDbDatabase* db, uint64_t handle) {
  OdDbObjectPtr obj = db->getOdDbObjectId(OdDbHandle(handle)).openObject();
  return obj ? obj->isA()->name().utf8() : std::string("(none)");
}

void expectNear(const OdGePoint3d& a, const OdGePoint3d& b, double tolerance = 1e-9) {
  EXPECT_NEAR(a.x, b.x, tolerance);
  EXPECT_NEAR(a.y, b.y, tolerance);
  EXPECT_NEAR(a.z, b.z, tolerance);
}

OdString blockName(OdDbObjectId id) {
  OdDbSymbolTableRecordPtr rec = OdDbSymbolTableRecord::cast(id.openObject().get());
  return rec ? rec->getName() : OdString();
}

// The dimensions of example_r12 and the class each stands for; the R13 and
// 2007 saves of the same drawing keep the handles and name the class by marker.
const std::pair<uint64_t, const char*> kExampleDimensions[] = {
    {0x37E, "AcDbAlignedDimension"},       // 70 = 1
    {0x420, "AcDbOrdinateDimension"},      // 6
    {0x430, "AcDbOrdinateDimension"},      // 70 = 64 | 6: along X
    {0x43B, "AcDb2LineAngularDimension"},  // 2
    {0x453, "AcDbOrdinateDimension"},
    {0x467, "AcDbRotatedDimension"},  // 0
    {0x47F, "AcDbRotatedDimension"},
    {0x497, "AcDbRotatedDimension"},
    {0x4AF, "AcDbRotatedDimension"},
};

TEST(DbDimension, R12FilesChooseTheClassByFlagsAndNewerOnesByMarker) {
  SKIP_WITHOUT_TESTDATA();
  for (const char* file : {"dxf/example_r12_AC1009.dxf", "dxf/example_r13_AC1012.dxf", "dxf/example_2007_AC1021.dxf"}) {
    OdDbDatabasePtr db = readDrawing(file);
    for (const auto& [handle, name] : kExampleDimensions) EXPECT_EQ(className(db.get(), handle), name) << file << " " << handle;
  }
  const std::pair<uint64_t, const char*> uncommon[] = {
      {0x2C1, "AcDbAlignedDimension"},     {0x330, "AcDbDiametricDimension"}, {0x346, "AcDbRadialDimension"},
      {0x37C, "AcDbRadialDimensionLarge"}, {0x3F6, "AcDbArcDimension"},       {0x48B, "AcDbOrdinateDimension"}};
  OdDbDatabasePtr db = readDrawing("dxf/uncommon_entities_AC1032.dxf");
  for (const auto& [handle, name] : uncommon) EXPECT_EQ(className(db.get(), handle), name) << handle;
}

TEST(DbDimension, RotatedDimensionOfAnR12FileAndItsLaterSaves) {
  SKIP_WITHOUT_TESTDATA();
  for (const char* file : {"dxf/example_r12_AC1009.dxf", "dxf/example_r13_AC1012.dxf", "dxf/example_2007_AC1021.dxf"}) {
    SCOPED_TRACE(file);
    OdDbDatabasePtr db = readDrawing(file);
    OdDbRotatedDimensionPtr dim = byHandle<OdDbRotatedDimension>(db.get(), 0x467);
    ASSERT_TRUE(dim);
    expectNear(dim->xLine1Point(), OdGePoint3d(-1069.0587317701879329, 4152.277196884141631, 0));
    expectNear(dim->dimLinePoint(), OdGePoint3d(-791.1912341074082633, 2783.2801826841318871, 0));
    EXPECT_EQ(blockName(dim->dimBlockId()), OdString("*D10"));
    EXPECT_TRUE(dim->isUsingDefaultTextPosition());
  }
}

TEST(DbDimension, VerticalDimensionKeepsTheAngleWrittenBeforeItsMarker) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(testdata::kBlocklessDimension);
  OdDbRotatedDimensionPtr dim = byHandle<OdDbRotatedDimension>(db.get(), 0x3026C);
  ASSERT_TRUE(dim);
  EXPECT_DOUBLE_EQ(dim->rotation(), std::numbers::pi / 2);
  EXPECT_EQ(dim->dimensionText(), OdString("5.35"));
  EXPECT_FALSE(dim->isUsingDefaultTextPosition());  // 128: the text was moved
  EXPECT_TRUE(dim->dimBlockId().isNull());          // written without a block
  EXPECT_EQ(blockName(dim->dimensionStyle()), OdString(testdata::kBlocklessDimensionStyle));

  // Written back the same way: the angle inside the aligned section.
  Record r = writtenRecord(db.get(), 0x3026C);
  size_t angle = 0, rotatedMarker = 0;
  for (size_t i = 0; i < r.groups.size(); ++i) {
    if (r.groups[i].first == 50) angle = i;
    if (r.groups[i].second == "AcDbRotatedDimension") rotatedMarker = i;
  }
  EXPECT_LT(angle, rotatedMarker);
  EXPECT_EQ(r.number(50), 90.0);
  EXPECT_FALSE(r.has(2));
}

TEST(DbDimension, RadialDiametricArcAndJoggedDimensions) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/uncommon_entities_AC1032.dxf");
  OdDbRadialDimensionPtr radial = byHandle<OdDbRadialDimension>(db.get(), 0x346);
  ASSERT_TRUE(radial);
  EXPECT_EQ(radial->chordPoint(), OdGePoint3d(43.89527288555355, 52.61403176984543, 0));
  EXPECT_EQ(radial->measurement(), 3.089400503595072);

  OdDbDiametricDimensionPtr diametric = byHandle<OdDbDiametricDimension>(db.get(), 0x330);
  ASSERT_TRUE(diametric);
  EXPECT_EQ(diametric->farChordPoint(), OdGePoint3d(49.20798502667803, 55.76799365141146, 0));

  OdDbArcDimensionPtr arc = byHandle<OdDbArcDimension>(db.get(), 0x3F6);
  ASSERT_TRUE(arc);
  EXPECT_EQ(arc->centerPoint(), OdGePoint3d(62.48195423091837, 51.48940586338991, 0));
  // The 70 in the arc's own section is its partial flag, not the dimension's flags.
  EXPECT_FALSE(arc->isPartial());
  EXPECT_EQ(arc->dimensionFlags(), 37);
  EXPECT_EQ(arc->arcEndParam(), 1.45471846497695);

  OdDbRadialDimensionLargePtr jogged = byHandle<OdDbRadialDimensionLarge>(db.get(), 0x37C);
  ASSERT_TRUE(jogged);
  EXPECT_EQ(jogged->dimensionFlags(), 169);
}

// A dimension's background, "flags colour" ("byblock" for that colour).
std::string backgroundOf(OdDbDatabase* db, uint64_t handle) {
  OdDbDimensionPtr dim = byHandle<OdDbDimension>(db, handle);
  if (!dim) return "no dimension";
  OdCmColor color(OdCmEntityColor::kByLayer);
  int flags = -1;
  dim->getBgrndTxtColor(color, flags);
  return std::to_string(flags) + " " + (color.isByBlock() ? "byblock" : std::to_string(color.colorIndex()));
}

// Set through the API, a background survives save and reopen, in the
// overrides of the application ACAD, which the drawing then registers.
TEST(DbDimension, BackgroundSetThroughTheApiSurvivesSaveAndReopen) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbRotatedDimensionPtr dim = OdDbRotatedDimension::createObject();
  dim->setXLine2Point(OdGePoint3d(10, 0, 0));
  OdCmColor green;
  green.setColorIndex(3);
  dim->setBgrndTxtColor(green, 2);
  OdDbObjectId id = addToModelSpace(db.get(), dim.get());
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(backgroundOf(again.get(), id.getHandle()), "2 3");
  Record r = writtenRecord(again.get(), id.getHandle());
  EXPECT_EQ(r.value(1001) + " " + r.value(1000), "ACAD DSTYLE");
  EXPECT_TRUE(again->table(OdDbDatabase::Table::RegApp)->has(OdString("ACAD")));
}

TEST(DbDimension, BackgroundJoinsTheOverridesADimensionHas) {
  SKIP_WITHOUT_TESTDATA();
  // DSTYLE { 288 1 } then the data of another application.
  OdDbDatabasePtr db = readDrawing("dxf/uncommon_entities_AC1032.dxf");
  OdDbDimensionPtr dim = byHandle<OdDbDimension>(db.get(), 0x330);
  ASSERT_TRUE(dim);
  OdCmColor color;
  color.setColorIndex(1);
  dim->setBgrndTxtColor(color, 2);
  color.setColorIndex(5);
  dim->setBgrndTxtColor(color, 2);  // set again: replaced, not added
  OdDbDatabasePtr again = saveAndReopen(db.get());
  EXPECT_EQ(backgroundOf(again.get(), 0x330), "2 5");

  Record r = writtenRecord(again.get(), 0x330);
  EXPECT_EQ(r.values(1001), (std::vector<std::string>{"ACAD", "ACAD_DSTYLE_DIMRADIAL_EXTENSION"}));
  std::vector<std::string> overrides;
  bool inList = false;
  for (const auto& [code, value] : r.groups) {
    if (code == 1002) inList = value == "{";
    else if (inList && code == 1070) overrides.push_back(value);
  }
  EXPECT_EQ(overrides, (std::vector<std::string>{"288", "1", "69", "2", "70", "5"}));
  // The other application's data is untouched.
  size_t other = 0;
  while (other < r.groups.size() && r.groups[other].second != "ACAD_DSTYLE_DIMRADIAL_EXTENSION") ++other;
  ASSERT_LT(other + 6, r.groups.size());
  EXPECT_EQ(r.groups[other + 1], (std::pair<int, std::string>(1070, "387")));
  EXPECT_EQ(r.groups[other + 6], (std::pair<int, std::string>(1040, "0.0")));
}

TEST(DbDimension, TypeInTheFlagsOfBuiltDimensionsMatchesTheirClass) {
  // Readers of files without markers know a dimension by the type in group 70.
  OdDbDatabasePtr db = OdDbDatabase::create();
  std::vector<OdDbObjectId> ids;  // in the order of their types, 0 to 6
  for (OdDbEntityPtr dim : std::initializer_list<OdDbEntityPtr>{
           OdDbRotatedDimension::createObject(), OdDbAlignedDimension::createObject(),
           OdDb2LineAngularDimension::createObject(), OdDbDiametricDimension::createObject(),
           OdDbRadialDimension::createObject(), OdDb3PointAngularDimension::createObject(),
           OdDbOrdinateDimension::createObject()})
    ids.push_back(addToModelSpace(db.get(), dim.get()));
  auto records = recordsOf(odDxfWriteString(db.get()));
  for (int type = 0; type < 7; ++type) {
    size_t at = findRecord(records, ids[type].getHandle());
    ASSERT_LT(at, records.size());
    EXPECT_EQ(std::atoi(records[at].value(70).c_str()) & 7, type) << records[at].value(100, 2);
  }
}

}  // namespace
