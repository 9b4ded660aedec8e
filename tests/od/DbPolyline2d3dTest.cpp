// POLYLINE records: the class (2D, 3D, polyface mesh, polygon mesh) chosen by
// subclass marker or, in old files, by flags; the vertices and the SEQEND they
// own; written back in order; and what building them through the API adds.

#include "Db2dPolyline.h"
#include "Db2dVertex.h"
#include "Db3dPolyline.h"
#include "Db3dPolylineVertex.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "DbPolygonMeshVertex.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace entity_test;

constexpr const char* kR12 = "dxf/example_r12_AC1009.dxf";
constexpr const char* kR13 = "dxf/example_r13_AC1012.dxf";

std::string className(OdDbDatabase* db, uint64_t handle) {
  OdDbObjectPtr obj = db->getOdDbObjectId(OdDbHandle(handle)).openObject();
  return obj ? obj->isA()->name().utf8() : std::string("(none)");
}

void expectNear(const std::vector<OdGePoint3d>& actual, const std::vector<OdGePoint3d>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_LT(actual[i].distanceTo(expected[i]), 1e-9) << i;
}

template <class Vertex, class Owner>
void appendVertices(Owner* owner, const std::vector<OdGePoint3d>& points) {
  for (const OdGePoint3d& p : points) {
    OdSmartPtr<Vertex> v = Vertex::createObject();
    v->setPosition(p);
    owner->appendVertex(v.get());
  }
}

TEST(DbPolyline2d3d, R12FileChoosesTheClassByFlagsAndR13TheSameByMarker) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr r12 = readDrawing(kR12), r13 = readDrawing(kR13);
  // Polyline flags none, 1 (closed), 9 (closed 3D), 64; vertices without markers follow theirs: 32, 192, 128.
  const std::pair<uint64_t, const char*> classes[] = {
      {0x8D, "AcDb2dPolyline"}, {0x8E, "AcDb2dPolyline"}, {0x41A, "AcDb3dPolyline"},
      {0x4E4, "AcDbPolyFaceMesh"}, {0x113C, "AcDb2dVertex"}, {0x41C, "AcDb3dPolylineVertex"},
      {0x4E5, "AcDbPolyFaceMeshVertex"}, {0x4EB, "AcDbFaceRecord"}, {0x41B, "AcDbSequenceEnd"}};
  for (auto [handle, name] : classes) EXPECT_EQ(className(r12.get(), handle), name) << std::hex << handle;
  for (uint64_t h : {0x8Du, 0x8Eu, 0x8Fu, 0x156u, 0x41Au, 0x4E4u, 0x75Bu, 0x41Cu, 0x4EBu})
    EXPECT_EQ(className(r13.get(), h), className(r12.get(), h)) << std::hex << h;
}

// The 3D polyline 41A (closed, one vertex raised to z 5) and the polyface mesh 4E4 read alike from both versions.
TEST(DbPolyline2d3d, PolylineAndPolyfaceMeshOfBothVersions) {
  SKIP_WITHOUT_TESTDATA();
  for (const char* file : {kR12, kR13}) {
    SCOPED_TRACE(file);
    OdDbDatabasePtr db = readDrawing(file);
    OdDb3dPolylinePtr pl = byHandle<OdDb3dPolyline>(db.get(), 0x41A);
    OdDbPolyFaceMeshPtr mesh = byHandle<OdDbPolyFaceMesh>(db.get(), 0x4E4);
    ASSERT_TRUE(pl && mesh);
    EXPECT_TRUE(pl->isClosed());
    expectNear(pl->vertexPositions(), {{1945.9316847777079147, 4029.762227574174176, 0},
                                       {2263.0089829731591635, 4198.7767139095521998, 0},
                                       {4263.0089829731587088, 5198.7767139095521998, 5.0},
                                       {3869.5338434137670447, 4177.649923262782977, 0}});
    EXPECT_EQ(std::make_tuple(mesh->numVertices(), mesh->numFaces(), mesh->vertexIds().size()),
              std::make_tuple(int16_t(6), int16_t(3), size_t(9)));
    EXPECT_LT(mesh->vertexPositions().at(5).distanceTo({8160.6464484092857674, 4219.9035582767319283, 0}), 1e-9);
    EXPECT_EQ(mesh->faces(), (std::vector<std::array<int16_t, 4>>{{2, 0, 0, 0}, {3, 4, 0, 0}, {1, 5, 4, 3}}));
  }
}

TEST(DbPolyline2d3d, VerticesAndSeqendAreOwnedNotInModelSpace) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(kR12);
  OdDb2dPolylinePtr pl = byHandle<OdDb2dPolyline>(db.get(), 0x8E);
  ASSERT_TRUE(pl);
  ASSERT_EQ(pl->vertexIds().size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(pl->vertexIds()[i].getHandle().value(), 0x113C + i);
    EXPECT_EQ(pl->vertexIds()[i].openObject()->ownerId(), pl->objectId());
  }
  EXPECT_EQ(pl->seqendId().getHandle().value(), 0x1142u);
  EXPECT_EQ(pl->seqendId().openObject()->ownerId(), pl->objectId());
  const auto& ids = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get())->entityIds();
  auto inModelSpace = [&](OdDbObjectId id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
  EXPECT_TRUE(inModelSpace(pl->objectId()));
  EXPECT_FALSE(inModelSpace(pl->vertexIds()[0]) || inModelSpace(pl->seqendId()));
  // Positions, bulges, and the layer the file gives a vertex.
  EXPECT_TRUE(pl->isClosed());
  EXPECT_LT(pl->vertexPositions().at(2).distanceTo({1202.6378746095870156, 1506.2818894278359494, 0}), 1e-9);
  EXPECT_EQ(OdDb2dVertex::cast(pl->vertexIds()[0].openObject().get())->layer(), OdString("TAVOLO_3"));
  EXPECT_EQ(byHandle<OdDb2dPolyline>(db.get(), 0x156)->vertexBulges(), std::vector<double>(25, -0.52056705));
}

TEST(DbPolyline2d3d, WrittenWithItsVerticesAndSeqendAndErasedWithThem) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing(kR12);
  auto records = writtenRecords(db.get(), 0x41A, 6);
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[0].name + records[0].value(66) + records[0].value(70) + records[0].value(100, 1),
            "POLYLINE19AcDb3dPolyline");
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(records[i].name + records[i].value(330) + records[i].value(70) + records[i].value(100, 2),
              "VERTEX41A32AcDb3dPolylineVertex") << i;
  EXPECT_EQ(records[3].number(30), 5.0);
  EXPECT_EQ(records[5].name + records[5].value(5) + records[5].value(330), "SEQEND41B41A");

  OdDb3dPolylinePtr pl = byHandle<OdDb3dPolyline>(db.get(), 0x41A);
  ASSERT_TRUE(pl);
  ASSERT_EQ(pl->erase(), eOk);
  EXPECT_TRUE(pl->vertexIds()[0].isErased() && pl->seqendId().isErased());
  records = recordsOf(odDxfWriteString(db.get()));
  for (uint64_t h : {0x41A, 0x41C, 0x41B}) EXPECT_EQ(findRecord(records, h), records.size()) << std::hex << h;
  ASSERT_EQ(pl->erase(false), eOk);
  EXPECT_FALSE(pl->vertexIds()[3].isErased());
  EXPECT_EQ(byHandle<OdDb3dPolyline>(saveAndReopen(db.get()).get(), 0x41A)->vertexPositions().size(), 4u);
}

TEST(DbPolyline2d3d, VerticesWithoutFlagsTakeTheKindOfTheirPolyline) {
  SKIP_WITHOUT_TESTDATA();
  // dxflib writes a 3D polyline (70 = 8) whose vertices have no flags and no handles.
  OdDbDatabasePtr db = readDrawing("dxf/cloudcompare_dxflib_AC1009.dxf");
  auto polylines = entitiesOf<OdDb3dPolyline>(db.get());
  ASSERT_EQ(polylines.size(), 1u);
  OdDb3dPolylinePtr pl = polylines[0];
  auto points = pl->vertexPositions();
  ASSERT_EQ(points.size(), 5u);
  for (OdDbObjectId id : pl->vertexIds()) EXPECT_TRUE(OdDb3dPolylineVertex::cast(id.openObject().get()));
  EXPECT_LT(points[1].distanceTo({0.3028616905212402, -1.5794757604598999, 0.4912891387939453}), 1e-9);
  EXPECT_LT(points[4].distanceTo(points[0]), 1e-9);
  EXPECT_FALSE(pl->seqendId().isNull());
}

TEST(DbPolyline2d3d, PolygonMeshFromAFileWithoutMarkers) {
  std::string vertices;
  for (const char* xyz : {"0\n20\n0\n30\n1", "1\n20\n0\n30\n2", "2\n20\n0\n30\n1", "0\n20\n1\n30\n0",
                          "1\n20\n1\n30\n3", "2\n20\n1\n30\n0"})
    vertices += std::string("0\nVERTEX\n8\nMESH\n10\n") + xyz + "\n70\n64\n";
  const std::string text = drawingWithEntities(
      "AC1009", "0\nPOLYLINE\n5\n40\n8\nMESH\n66\n1\n10\n0\n20\n0\n30\n0\n70\n17\n71\n2\n72\n3\n" + vertices +
                    "0\nSEQEND\n8\nMESH\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("mesh.dxf"));
  OdDbPolygonMeshPtr mesh = byHandle<OdDbPolygonMesh>(db.get(), 0x40);
  ASSERT_TRUE(mesh);
  EXPECT_EQ(std::make_tuple(mesh->mSize(), mesh->nSize(), mesh->isMClosed(), mesh->isNClosed()),
            std::make_tuple(int16_t(2), int16_t(3), true, false));
  auto points = mesh->vertexPositions();
  ASSERT_EQ(points.size(), 6u);
  EXPECT_EQ(points[4], OdGePoint3d(1, 1, 3));
  EXPECT_TRUE(OdDbPolygonMeshVertex::cast(mesh->vertexIds()[0].openObject().get()));
  EXPECT_EQ(byHandle<OdDbPolygonMesh>(saveAndReopen(db.get()).get(), 0x40)->vertexPositions(), points);
}

TEST(DbPolyline2d3d, ElevationNormalAndWidthsOfA2dPolyline) {
  // Facing down (0,0,-1): object x is world -x and the elevation is world -z.
  const std::string text = drawingWithEntities(
      "AC1009",
      "0\nPOLYLINE\n5\n50\n8\n0\n66\n1\n10\n0\n20\n0\n30\n2.5\n40\n0.5\n41\n0.7\n70\n0\n210\n0\n220\n0\n230\n-1\n"
      "0\nVERTEX\n5\n51\n8\n0\n10\n3\n20\n4\n30\n0\n"
      "0\nVERTEX\n5\n52\n8\n0\n10\n-1\n20\n2\n30\n0\n40\n0\n41\n2\n42\n0.5\n"
      "0\nSEQEND\n5\n53\n8\n0\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("ocs.dxf"));
  OdDb2dPolylinePtr pl = byHandle<OdDb2dPolyline>(db.get(), 0x50);
  ASSERT_TRUE(pl);
  EXPECT_EQ(pl->elevation(), 2.5);
  EXPECT_EQ(pl->vertexPositions(), (std::vector<OdGePoint3d>{{-3, 4, -2.5}, {1, 2, -2.5}}));
  EXPECT_EQ(pl->vertexBulges(), (std::vector<double>{0, 0.5}));
  // Vertex widths default to the polyline's; a zero the file gives is the vertex's own.
  OdDb2dVertexPtr inherits = byHandle<OdDb2dVertex>(db.get(), 0x51), own = byHandle<OdDb2dVertex>(db.get(), 0x52);
  EXPECT_EQ((std::vector<double>{pl->defaultStartWidth(), pl->defaultEndWidth(), inherits->startWidth(),
                                 inherits->endWidth(), own->startWidth(), own->endWidth()}),
            (std::vector<double>{0.5, 0.7, 0.5, 0.7, 0, 2}));
  // Written back, the zero stays and the vertex without widths gets none.
  EXPECT_FALSE(writtenRecord(db.get(), 0x51).has(40));
  EXPECT_EQ(writtenRecord(db.get(), 0x52).value(40), "0.0");
}

TEST(DbPolyline2d3d, VerticesAppendedThroughTheApiBelongToTheirPolyline) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDb2dPolylinePtr pl = OdDb2dPolyline::createObject();
  EXPECT_THROW(pl->appendVertex(OdDb2dVertex::createObject().get()), OdError);  // not yet in a database
  pl->setDefaultStartWidth(0.25);
  pl->setElevation(1.5);
  OdDbObjectId id = addToModelSpace(db.get(), pl.get());
  pl->appendVertex(OdDb2dVertex::createObject().get());
  OdDb2dVertexPtr arc = OdDb2dVertex::createObject();
  arc->setPosition(OdGePoint3d(10, 0, 0));
  arc->setBulge(1);
  arc->setStartWidth(0);
  pl->appendVertex(arc.get());
  EXPECT_EQ(arc->ownerId(), id);
  EXPECT_FALSE(pl->seqendId().isNull());

  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDb2dPolylinePtr read = byHandle<OdDb2dPolyline>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->vertexPositions(), (std::vector<OdGePoint3d>{{0, 0, 1.5}, {10, 0, 1.5}}));
  EXPECT_EQ(read->vertexBulges(), (std::vector<double>{0, 1}));
  EXPECT_EQ(OdDb2dVertex::cast(read->vertexIds()[0].openObject().get())->startWidth(), 0.25);
}

TEST(DbPolyline2d3d, Built3dPolylineIsWrittenAsOneEvenForReadersOfFlags) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDb3dPolylinePtr pl = OdDb3dPolyline::createObject();
  OdDbObjectId id = addToModelSpace(db.get(), pl.get());
  const std::vector<OdGePoint3d> points = {{0, 0, 0}, {1, 2, 3}, {4, 5, -6}};
  appendVertices<OdDb3dPolylineVertex>(pl.get(), points);
  pl->setClosed(true);
  EXPECT_EQ(writtenRecord(db.get(), id.getHandle()).value(70), "9");  // flag 8 tells the kind where markers are not read
  EXPECT_EQ(byHandle<OdDb3dPolyline>(saveAndReopen(db.get()).get(), id.getHandle())->vertexPositions(), points);
}

}  // namespace
