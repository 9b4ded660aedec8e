// Geometry entities of real drawings drawn through the world draw context:
// every drawing draws without throwing, and what the geometry entities of
// model space draw spans the box ezdxf measures for the same entities.

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "EntityTestSupport.h"
#include "GiExtents.h"
#include "GiRecordingSink.h"
#include "GiWorldDrawImpl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace {

using namespace entity_test;

// The record names of the entities whose drawing is checked here (and that ezdxf measures the same way).
const std::set<std::string> kGeometryNames = {"LINE",       "POINT",    "CIRCLE", "ARC",   "ELLIPSE",
                                              "LWPOLYLINE", "POLYLINE", "SPLINE", "SOLID", "TRACE",
                                              "3DFACE",     "IMAGE",    "WIPEOUT"};

bool isGeometry(const OdDbEntity* entity) { return kGeometryNames.count(entity->isA()->dxfName().utf8()) != 0; }

// The geometry entities of model space drawn for extents, each on its own.
OdGeExtents3d geometryExtents(OdDbDatabase* db) {
  RecordingSink sink;
  OdGiWorldDrawImpl draw(sink, kOdGiForExtents);
  for (const OdDbEntityPtr& entity : entitiesOf<OdDbEntity>(db))
    if (isGeometry(entity.get())) draw.drawEntity(entity.get());
  return sink.extents;
}

TEST(EntityDrawingDrawings, EveryDrawingDrawsEveryBlock) {
  SKIP_WITHOUT_TESTDATA();
  auto files = testDataFiles("dxf", ".dxf");
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    SCOPED_TRACE(file.filename().string());
    OdDbDatabasePtr db = readDrawing("dxf/" + file.filename().string());
    ASSERT_TRUE(db);
    for (OdDbObjectId id : db->blockTable()->records()) {
      OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(id.openObject().get());
      ASSERT_TRUE(block);
      RecordingSink sink;
      EXPECT_NO_THROW(OdGiWorldDrawImpl(sink).drawBlock(block.get())) << block->getName().utf8();
      for (const auto& line : sink.polylines)
        for (const OdGePoint3d& p : line) ASSERT_TRUE(std::isfinite(p.x + p.y + p.z)) << block->getName().utf8();
    }
    bool hasGeometry = false;
    for (const OdDbEntityPtr& entity : entitiesOf<OdDbEntity>(db.get())) hasGeometry |= isGeometry(entity.get());
    OdDbBlockTableRecordPtr modelSpace = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
    if (hasGeometry) {
      EXPECT_TRUE(odGiBlockExtents(modelSpace.get()).isValidExtents());
    }
  }
}

struct Expected {
  const char* file;  // in the test data
  double min[3], max[3];
};

// ezdxf 0.18's bounding boxes of the entities above in model space (bbox.extents, fast=False).
const Expected kEzdxfExtents[] = {
    {"dxf/api_cw750_curtainwall_details_AC1027.dxf",
     {167.095845753432, 159.78385445572258, 0},
     {723.3548106403094, 539.8219673239228, 0}},
    {"dxf/ascii_r12_umlauts_greek_AC1009.dxf",
     {10.51059003162321, 12.75848940242496, 0},
     {17.42860800332437, 19.6164955962701, 0}},
    {"dxf/bin_dxf_r12.dxf", {335.7175512218761, 304.2703520470918, 0}, {595.8780802828901, 439.7706275997033, 0}},
    {"dxf/ceco_architecture_AC1015.dxf", {0, 0, 0}, {43.10000000000002, 32.5999999999999, 0}},
    {"dxf/cloudcompare_dxflib_AC1009.dxf",
     {0.1021933555603027, -1.5794757604599, 0.4767627716064453},
     {1.2507928609848022, -0.3619300723075867, 0.4944143295288086}},
    {"dxf/example_2007_AC1021.dxf", {-3088.145449163752, -3064.577269769421, 0}, {11211.62993268471, 12535.43474431358, 5}},
    {"dxf/example_r12_AC1009.dxf", {-526777.7862436044, -1672170.9308976005, 0}, {860275.786174639, 1053820.4434625837, 5}},
    {"dxf/example_r13_AC1012.dxf", {-3088.145449163752, -3064.577269769421, 0}, {11211.62993268471, 12535.43474431358, 5}},
    {testdata::kFloorPlan,
     {-684.0621483962348, -220.6328682384362, 0},
     {182.0902808298651, 351.3671317615638, 0}},
    {"dxf/gh109_proxy_entities_AC1027.dxf", {-999.9999999999854, -1000, 0}, {25370.3568885086, 9027.483808284322, 0}},
    {"dxf/gh209_attribs_AC1024.dxf", {6.2883033542833, 10.54406365932311, 0}, {8.527817496658429, 13.85766443527857, 0}},
    {"dxf/gost_sheet_A1_cyrillic_escapes_AC1015.dxf", {0, -1.106e-13, 0}, {840, 594, 0}},
    {"dxf/issue52_AC1018.dxf", {3438.221360870707, 1725.69606299841, 0}, {3683.914074877762, 1917.684969769888, 0}},
    {"dxf/leica_disto_s910_AC1009.dxf", {-0.116359, -0.827625, -1.078038}, {1.080163, 0.066894, 0.286172}},
    {testdata::kKinetics,
     {-6.994405055138486e-13, -0.9890484985100001, 0},
     {35.4666553281507, 1.010951501494, 0}},
    {"dxf/openscad_example009_dxflib_AC1015.dxf", {-20, -50.000211702532546, 0}, {20.457290388287824, 20, 0}},
    {"dxf/polyfacemesh_AC1015.dxf", {0.5752088585545608, 1.403981252993389, 0}, {135.594208858553, 136.9879812529941, 0}},
    {"dxf/proe_r14_AC1014.dxf", {100, 100, 0}, {300, 300, 0}},
    {testdata::kCodePageEntities, {15, 15, 0}, {735, 1005, 0}},
    {"dxf/r10_entities_AC1006.dxf", {0, 0, 0}, {8, 9, 0}},
    {"dxf/sample_binary_AC1027.dxf",
     {3.189184372779565e-19, -566.1685822008872, 0},
     {1852.1856335495922, 63.13440569324831, 5.47860020423747}},
    {"dxf/uncommon_entities_AC1032.dxf",
     {21.88948373460441, 20.30990140386868, 0},
     {91.88948375119709, 80.30990104645679, 1.631296632939028}},
    {"dxf/zcad_em_plan_cp1251_AC1015.dxf", {-146.1600642716, -52.2578125929, 0}, {67.6770482465, 33.6890933096, 0}},
};

TEST(EntityDrawingDrawings, GeometryExtentsAgreeWithEzdxf) {
  SKIP_WITHOUT_TESTDATA();
  for (const Expected& e : kEzdxfExtents) {
    SCOPED_TRACE(e.file);
    OdDbDatabasePtr db = readDrawing(e.file);
    ASSERT_TRUE(db);
    OdGeExtents3d ext = geometryExtents(db.get());
    ASSERT_TRUE(ext.isValidExtents());
    // Curves are drawn as chords, which may cut inside the exact box by a little.
    double size = std::max({e.max[0] - e.min[0], e.max[1] - e.min[1], e.max[2] - e.min[2]});
    double tol = 1e-4 * size;
    EXPECT_NEAR(ext.minPoint().x, e.min[0], tol);
    EXPECT_NEAR(ext.minPoint().y, e.min[1], tol);
    EXPECT_NEAR(ext.minPoint().z, e.min[2], tol);
    EXPECT_NEAR(ext.maxPoint().x, e.max[0], tol);
    EXPECT_NEAR(ext.maxPoint().y, e.max[1], tol);
    EXPECT_NEAR(ext.maxPoint().z, e.max[2], tol);
  }
}

}  // namespace
