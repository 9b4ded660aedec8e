// POLYLINE records: the class (2D, 3D, polyface mesh, polygon mesh) chosen by
// subclass marker or, in old files, by flags; the vertices and the SEQEND they
// own; written back in order; and what building them through the API adds.

#include "Db2dPolyline.h"
#include "Db2dVertex.h"
#include "Db3dPolyline.h"
#include "Db3dPolylineVertex.h"
#include "DbFaceRecord.h"
#include "DbPolyFaceMesh.h"
#include "DbPolyFaceMeshVertex.h"
#include "DbPolygonMesh.h"
#include "DbPolygonMeshVertex.h"
#include "DbSequenceEnd.h"
#include "EntityTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace entity_test;

std::string className(OdDbDatabase* db, uint64_t handle) {
  OdDbObjectPtr obj = db->getOdDbObjectId(OdDbHandle(handle)).openObject();
  return obj ? obj->isA()->name().utf8() : std::string("(none)");
}

void expectNear(const OdGePoint3d& a, const OdGePoint3d& b) {
  EXPECT_NEAR(a.x, b.x, 1e-9);
  EXPECT_NEAR(a.y, b.y, 1e-9);
  EXPECT_NEAR(a.z, b.z, 1e-9);
}

// The 3D polyline 41A of example_r12: closed, one vertex raised to z 5.
const OdGePoint3d k41AVertices[] = {
    {1945.9316847777079147, 4029.762227574174176, 0},
    {2263.0089829731591635, 4198.7767139095521998, 0},
    {4263.0089829731587088, 5198.7767139095521998, 5.0},
    {3869.5338434137670447, 4177.649923262782977, 0},
};

TEST(DbPolyline2d3d, R12FileChoosesTheClassByFlags) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_r12_AC1009.dxf");
  EXPECT_EQ(className(db.get(), 0x8D), "AcDb2dPolyline");  // no flags at all
  EXPECT_EQ(className(db.get(), 0x8E), "AcDb2dPolyline");  // 1: closed
  EXPECT_EQ(className(db.get(), 0x41A), "AcDb3dPolyline");  // 9: closed 3D
  EXPECT_EQ(className(db.get(), 0x4E4), "AcDbPolyFaceMesh");  // 64
  // Vertices without subclass markers follow their flags.
  EXPECT_EQ(className(db.get(), 0x113C), "AcDb2dVertex");
  EXPECT_EQ(className(db.get(), 0x41C), "AcDb3dPolylineVertex");  // 32
  EXPECT_EQ(className(db.get(), 0x4E5), "AcDbPolyFaceMeshVertex");  // 192
  EXPECT_EQ(className(db.get(), 0x4EB), "AcDbFaceRecord");  // 128
  EXPECT_EQ(className(db.get(), 0x41B), "AcDbSequenceEnd");
}

TEST(DbPolyline2d3d, R13FileChoosesTheSameClassesByMarker) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr r12 = readDrawing("dxf/example_r12_AC1009.dxf");
  OdDbDatabasePtr r13 = readDrawing("dxf/example_r13_AC1012.dxf");
  for (uint64_t h : {0x8Du, 0x8Eu, 0x8Fu, 0x156u, 0x41Au, 0x4E4u, 0x75Bu, 0x41Cu, 0x4EBu}) {
    SCOPED_TRACE(h);
    EXPECT_EQ(className(r13.get(), h), className(r12.get(), h));
  }
}

TEST(DbPolyline2d3d, VerticesAndSeqendAreOwnedNotInModelSpace) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_r12_AC1009.dxf");
  OdDb2dPolylinePtr pl = byHandle<OdDb2dPolyline>(db.get(), 0x8E);
  ASSERT_TRUE(pl);
  ASSERT_EQ(pl->vertexIds().size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(pl->vertexIds()[i].getHandle().value(), 0x113C + i);
    EXPECT_EQ(pl->vertexIds()[i].openObject()->ownerId(), pl->objectId());
  }
  EXPECT_EQ(pl->seqendId().getHandle().value(), 0x1142u);
  EXPECT_EQ(pl->seqendId().openObject()->ownerId(), pl->objectId());

  OdDbBlockTableRecordPtr ms = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  const auto& ids = ms->entityIds();
  EXPECT_NE(std::find(ids.begin(), ids.end(), pl->objectId()), ids.end());
  EXPECT_EQ(std::find(ids.begin(), ids.end(), pl->vertexIds()[0]), ids.end());
  EXPECT_EQ(std::find(ids.begin(), ids.end(), pl->seqendId()), ids.end());
}

TEST(DbPolyline2d3d, PositionsAndBulgesOfA2dPolyline) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_r12_AC1009.dxf");
  OdDb2dPolylinePtr pl = byHandle<OdDb2dPolyline>(db.get(), 0x8E);
  ASSERT_TRUE(pl);
  EXPECT_TRUE(pl->isClosed());
  auto points = pl->vertexPositions();
  ASSERT_EQ(points.size(), 6u);
  expectNear(points[2], OdGePoint3d(1202.6378746095870156, 1506.2818894278359494, 0));
  // Vertices take the layer the file gives them.
  EXPECT_EQ(OdDb2dVertex::cast(pl->vertexIds()[0].openObject().get())->layer(), OdString("TAVOLO_3"));
  OdDb2dPolylinePtr arcs = byHandle<OdDb2dPolyline>(db.get(), 0x156);
  ASSERT_TRUE(arcs);
  EXPECT_EQ(arcs->vertexBulges(), std::vector<double>(25, -0.52056705));
}

TEST(DbPolyline2d3d, PositionsOfA3dPolyline) {
  SKIP_WITHOUT_TESTDATA();
  for (const char* file : {"dxf/example_r12_AC1009.dxf", "dxf/example_r13_AC1012.dxf"}) {
    SCOPED_TRACE(file);
    OdDbDatabasePtr db = readDrawing(file);
    OdDb3dPolylinePtr pl = byHandle<OdDb3dPolyline>(db.get(), 0x41A);
    ASSERT_TRUE(pl);
    EXPECT_TRUE(pl->isClosed());
    auto points = pl->vertexPositions();
    ASSERT_EQ(points.size(), 4u);
    for (size_t i = 0; i < 4; ++i) expectNear(points[i], k41AVertices[i]);
  }
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
  expectNear(points[1], OdGePoint3d(0.3028616905212402, -1.5794757604598999, 0.4912891387939453));
  expectNear(points[4], points[0]);
  EXPECT_FALSE(pl->seqendId().isNull());
}

TEST(DbPolyline2d3d, PolyfaceMeshVerticesAndFaces) {
  SKIP_WITHOUT_TESTDATA();
  for (const char* file : {"dxf/example_r12_AC1009.dxf", "dxf/example_r13_AC1012.dxf"}) {
    SCOPED_TRACE(file);
    OdDbDatabasePtr db = readDrawing(file);
    OdDbPolyFaceMeshPtr mesh = byHandle<OdDbPolyFaceMesh>(db.get(), 0x4E4);
    ASSERT_TRUE(mesh);
    EXPECT_EQ(mesh->numVertices(), 6);
    EXPECT_EQ(mesh->numFaces(), 3);
    EXPECT_EQ(mesh->vertexIds().size(), 9u);
    expectNear(mesh->vertexPositions().at(5), OdGePoint3d(8160.6464484092857674, 4219.9035582767319283, 0));
    auto faces = mesh->faces();
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[0], (std::array<int16_t, 4>{2, 0, 0, 0}));
    EXPECT_EQ(faces[1], (std::array<int16_t, 4>{3, 4, 0, 0}));
    EXPECT_EQ(faces[2], (std::array<int16_t, 4>{1, 5, 4, 3}));
  }
}

TEST(DbPolyline2d3d, PolyfaceMeshesOfANewerFile) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/polyfacemesh_AC1015.dxf");
  auto meshes = entitiesOf<OdDbPolyFaceMesh>(db.get());
  ASSERT_EQ(meshes.size(), 2u);
  EXPECT_EQ(meshes[0]->vertexPositions().size(), 14u);
  EXPECT_EQ(meshes[0]->faces().size(), 7u);
  EXPECT_EQ(meshes[1]->vertexPositions().size(), 33u);
  EXPECT_EQ(meshes[1]->faces().size(), 19u);
  // Every face names vertices that exist (negative: the edge is hidden).
  for (const auto& mesh : meshes)
    for (const auto& face : mesh->faces())
      for (int16_t v : face) EXPECT_LE(std::abs(v), mesh->numVertices());
}

TEST(DbPolyline2d3d, WrittenWithItsVerticesAndSeqendRightAfterIt) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_r12_AC1009.dxf");
  auto records = writtenRecords(db.get(), 0x41A, 6);
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[0].name, "POLYLINE");
  EXPECT_EQ(records[0].value(66), "1");
  EXPECT_EQ(records[0].value(70), "9");
  EXPECT_EQ(records[0].value(100, 1), "AcDb3dPolyline");
  for (int i = 1; i <= 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(records[i].name, "VERTEX");
    EXPECT_EQ(records[i].value(330), "41A");
    EXPECT_EQ(records[i].value(70), "32");
    EXPECT_EQ(records[i].value(100, 2), "AcDb3dPolylineVertex");
  }
  EXPECT_EQ(records[3].number(30), 5.0);
  EXPECT_EQ(records[5].name, "SEQEND");
  EXPECT_EQ(records[5].value(5), "41B");
  EXPECT_EQ(records[5].value(330), "41A");
}

TEST(DbPolyline2d3d, PolygonMeshFromAFileWithoutMarkers) {
  const std::string text = drawingWithEntities(
      "AC1009",
      "0\nPOLYLINE\n5\n40\n8\nMESH\n66\n1\n10\n0\n20\n0\n30\n0\n70\n17\n71\n2\n72\n3\n"
      "0\nVERTEX\n5\n41\n8\nMESH\n10\n0\n20\n0\n30\n1\n70\n64\n"
      "0\nVERTEX\n5\n42\n8\nMESH\n10\n1\n20\n0\n30\n2\n70\n64\n"
      "0\nVERTEX\n5\n43\n8\nMESH\n10\n2\n20\n0\n30\n1\n70\n64\n"
      "0\nVERTEX\n5\n44\n8\nMESH\n10\n0\n20\n1\n30\n0\n70\n64\n"
      "0\nVERTEX\n5\n45\n8\nMESH\n10\n1\n20\n1\n30\n3\n70\n64\n"
      "0\nVERTEX\n5\n46\n8\nMESH\n10\n2\n20\n1\n30\n0\n70\n64\n"
      "0\nSEQEND\n5\n47\n8\nMESH\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("mesh.dxf"));
  OdDbPolygonMeshPtr mesh = byHandle<OdDbPolygonMesh>(db.get(), 0x40);
  ASSERT_TRUE(mesh);
  EXPECT_EQ(mesh->mSize(), 2);
  EXPECT_EQ(mesh->nSize(), 3);
  EXPECT_TRUE(mesh->isMClosed());
  EXPECT_FALSE(mesh->isNClosed());
  auto points = mesh->vertexPositions();
  ASSERT_EQ(points.size(), 6u);
  EXPECT_EQ(points[4], OdGePoint3d(1, 1, 3));
  EXPECT_TRUE(OdDbPolygonMeshVertex::cast(mesh->vertexIds()[0].openObject().get()));
  EXPECT_EQ(byHandle<OdDbPolygonMesh>(saveAndReopen(db.get()).get(), 0x40)->vertexPositions(), points);
}

TEST(DbPolyline2d3d, ElevationAndNormalPlaceA2dPolylineInTheWorld) {
  // Facing down (0,0,-1): object x is world -x and the elevation is world -z.
  const std::string text = drawingWithEntities(
      "AC1009",
      "0\nPOLYLINE\n5\n50\n8\n0\n66\n1\n10\n0\n20\n0\n30\n2.5\n70\n0\n210\n0\n220\n0\n230\n-1\n"
      "0\nVERTEX\n5\n51\n8\n0\n10\n3\n20\n4\n30\n0\n"
      "0\nVERTEX\n5\n52\n8\n0\n10\n-1\n20\n2\n30\n0\n42\n0.5\n"
      "0\nSEQEND\n5\n53\n8\n0\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("ocs.dxf"));
  OdDb2dPolylinePtr pl = byHandle<OdDb2dPolyline>(db.get(), 0x50);
  ASSERT_TRUE(pl);
  EXPECT_EQ(pl->elevation(), 2.5);
  auto points = pl->vertexPositions();
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0], OdGePoint3d(-3, 4, -2.5));
  EXPECT_EQ(points[1], OdGePoint3d(1, 2, -2.5));
  EXPECT_EQ(pl->vertexBulges(), (std::vector<double>{0, 0.5}));
}

TEST(DbPolyline2d3d, VertexWidthsDefaultToThePolylineWidths) {
  const std::string text = drawingWithEntities(
      "AC1009",
      "0\nPOLYLINE\n5\n60\n8\n0\n66\n1\n10\n0\n20\n0\n30\n0\n40\n0.5\n41\n0.7\n"
      "0\nVERTEX\n5\n61\n8\n0\n10\n0\n20\n0\n30\n0\n"
      "0\nVERTEX\n5\n62\n8\n0\n10\n1\n20\n0\n30\n0\n40\n0\n41\n2\n"
      "0\nSEQEND\n5\n63\n8\n0\n");
  OdDbDatabasePtr db = odDxfReadBuffer(text, OdString("widths.dxf"));
  OdDb2dPolylinePtr pl = byHandle<OdDb2dPolyline>(db.get(), 0x60);
  ASSERT_TRUE(pl);
  EXPECT_EQ(pl->defaultStartWidth(), 0.5);
  EXPECT_EQ(pl->defaultEndWidth(), 0.7);
  OdDb2dVertexPtr inherits = byHandle<OdDb2dVertex>(db.get(), 0x61);
  OdDb2dVertexPtr own = byHandle<OdDb2dVertex>(db.get(), 0x62);
  ASSERT_TRUE(inherits && own);
  EXPECT_EQ(inherits->startWidth(), 0.5);
  EXPECT_EQ(inherits->endWidth(), 0.7);
  EXPECT_EQ(own->startWidth(), 0.0);  // a zero the file gives is the vertex's own
  EXPECT_EQ(own->endWidth(), 2.0);

  // Written back, the zero stays and the vertex without widths gets none.
  EXPECT_FALSE(writtenRecord(db.get(), 0x61).has(40));
  EXPECT_EQ(writtenRecord(db.get(), 0x62).value(40), "0.0");
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
  for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(1, 2, 3), OdGePoint3d(4, 5, -6)}) {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
    v->setPosition(p);
    pl->appendVertex(v.get());
  }
  pl->setClosed(true);
  Record r = writtenRecord(db.get(), id.getHandle());
  EXPECT_EQ(r.value(70), "9");  // 3D and closed: flag 8 tells the kind where markers are not read
  EXPECT_EQ(byHandle<OdDb3dPolyline>(saveAndReopen(db.get()).get(), id.getHandle())->vertexPositions(),
            (std::vector<OdGePoint3d>{{0, 0, 0}, {1, 2, 3}, {4, 5, -6}}));
}

TEST(DbPolyline2d3d, ErasingAPolylineErasesWhatItOwns) {
  SKIP_WITHOUT_TESTDATA();
  OdDbDatabasePtr db = readDrawing("dxf/example_r12_AC1009.dxf");
  OdDb3dPolylinePtr pl = byHandle<OdDb3dPolyline>(db.get(), 0x41A);
  ASSERT_TRUE(pl);
  ASSERT_EQ(pl->erase(), eOk);
  EXPECT_TRUE(pl->vertexIds()[0].isErased());
  EXPECT_TRUE(pl->seqendId().isErased());
  auto records = recordsOf(odDxfWriteString(db.get()));
  EXPECT_EQ(findRecord(records, 0x41A), records.size());
  EXPECT_EQ(findRecord(records, 0x41C), records.size());
  EXPECT_EQ(findRecord(records, 0x41B), records.size());
  ASSERT_EQ(pl->erase(false), eOk);
  EXPECT_FALSE(pl->vertexIds()[3].isErased());
  OdDbDatabasePtr reopened = saveAndReopen(db.get());
  EXPECT_EQ(byHandle<OdDb3dPolyline>(reopened.get(), 0x41A)->vertexPositions().size(), 4u);
}

TEST(DbPolyline2d3d, BuiltPolyfaceMeshCountsItsVerticesAndFaces) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbPolyFaceMeshPtr mesh = OdDbPolyFaceMesh::createObject();
  OdDbObjectId id = addToModelSpace(db.get(), mesh.get());
  for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(1, 0, 0), OdGePoint3d(1, 1, 0), OdGePoint3d(0, 1, 1)}) {
    OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::createObject();
    v->setPosition(p);
    mesh->appendVertex(v.get());
  }
  OdDbFaceRecordPtr face = OdDbFaceRecord::createObject();
  for (int i = 0; i < 4; ++i) face->setVertexAt(i, static_cast<int16_t>(i + 1));
  face->makeEdgeInvisibleAt(2);
  mesh->appendFaceRecord(face.get());
  EXPECT_EQ(mesh->numVertices(), 4);
  EXPECT_EQ(mesh->numFaces(), 1);
  OdDbDatabasePtr again = saveAndReopen(db.get());
  OdDbPolyFaceMeshPtr read = byHandle<OdDbPolyFaceMesh>(again.get(), id.getHandle());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->numVertices(), 4);
  EXPECT_EQ(read->faces().at(0), (std::array<int16_t, 4>{1, 2, -3, 4}));
}

}  // namespace
