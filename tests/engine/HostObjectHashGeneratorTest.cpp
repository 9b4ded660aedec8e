// The fingerprint of one object as the comparison builds it, and of tables,
// which count as the block reference they are.

#include "DbTable.h"
#include "HostObjectHashDxfGenerator.h"
#include "DxfReader.h"
#include "FingerprintTestSupport.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace hostObjectCompare;

namespace {

using HostObjectHashGeneratorTest = FingerprintTest;

// Old-style polylines: vertices are no objects of their own in a
// comparison, so the polyline's fingerprint must see them move.

// One POLYLINE of four vertices, all shifted by dx, alone in model space.
std::string polylineDrawing(const std::string& polylineGroups, int vertexFlags, int dx) {
  std::string dxf = "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n8\n0\n66\n1\n" + polylineGroups;
  for (int i = 0; i < 4; ++i)
    dxf += "0\nVERTEX\n8\n0\n10\n" + std::to_string(i % 2 + dx) + "\n20\n" + std::to_string(i / 2) +
           "\n30\n0\n70\n" + std::to_string(vertexFlags) + "\n";
  return dxf + "0\nSEQEND\n8\n0\n0\nENDSEC\n0\nEOF\n";
}

TEST_F(HostObjectHashGeneratorTest, MovingTheVerticesOfAnOldStylePolylineChangesItsHash) {
  struct Case {
    const char* className;
    std::string polylineGroups;
    int vertexFlags;
  } cases[] = {
      {"AcDb2dPolyline", "70\n0\n", 0},
      {"AcDb3dPolyline", "70\n8\n", 32},
      {"AcDbPolyFaceMesh", "70\n64\n71\n4\n72\n0\n", 192},
      {"AcDbPolygonMesh", "70\n16\n71\n2\n72\n2\n", 64},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    uint32_t hashes[2];
    for (int dx : {0, 1}) {
      OdDbDatabasePtr drawing =
          odDxfReadBuffer(polylineDrawing(c.polylineGroups, c.vertexFlags, dx * 5), OdString("polyline.dxf"));
      OdDbBlockTableRecordPtr modelSpace = OdDbBlockTableRecord::cast(drawing->getModelSpaceId().openObject().get());
      ASSERT_EQ(modelSpace->entityIds().size(), 1u);
      OdDbObjectPtr polyline = modelSpace->entityIds().front().openObject();
      ASSERT_EQ(polyline->isA()->name().utf8(), c.className);
      hashes[dx] = hashOf(polyline.get());
    }
    EXPECT_NE(hashes[0], hashes[1]);
  }
}

// Programs leave out a text's style, or write the default one by its name:
// the fingerprint is the same either way.
TEST_F(HostObjectHashGeneratorTest, TheDefaultStyleWrittenOrLeftOutHashesTheSame) {
  const std::string styles =
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nSTYLE\n0\nSTYLE\n2\nStandard\n70\n0\n40\n0\n41\n1\n3\ntxt\n"
      "0\nENDTAB\n0\nENDSEC\n";
  for (const char* entity : {"TEXT", "MTEXT"}) {
    SCOPED_TRACE(entity);
    uint32_t hashes[2];
    for (int named : {0, 1}) {
      std::string dxf = styles + "0\nSECTION\n2\nENTITIES\n0\n" + entity +
                        "\n8\n0\n10\n1\n20\n2\n30\n0\n40\n2.5\n1\nabc\n" + (named ? "7\nStandard\n" : "") +
                        "0\nENDSEC\n0\nEOF\n";
      OdDbDatabasePtr drawing = odDxfReadBuffer(dxf, OdString("style.dxf"));
      OdDbBlockTableRecordPtr modelSpace = OdDbBlockTableRecord::cast(drawing->getModelSpaceId().openObject().get());
      ASSERT_EQ(modelSpace->entityIds().size(), 1u);
      hashes[named] = hashOf(modelSpace->entityIds().front().openObject().get());
    }
    EXPECT_EQ(hashes[0], hashes[1]);
  }
}

// Tables

// The sample table drawing with the text of its table record edited.
class TableHashTest : public FingerprintTest {
 protected:
  void SetUp() override {
    FingerprintTest::SetUp();
    if (!hasTestData()) return;
    std::ifstream in(testDataDir() / testdata::kTable, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    m_drawing = text.str();
  }

  struct Edit {
    std::string from, to;
  };
  // The drawing's table, after replacing texts within its record, and the drawing that holds it.
  OdDbTablePtr table(std::initializer_list<Edit> edits = {}) {
    std::string drawing = m_drawing;
    size_t start = drawing.find("  0\nACAD_TABLE\n");
    size_t end = drawing.find("\n  0\n", start + 1);
    EXPECT_NE(start, std::string::npos);
    for (const Edit& edit : edits) {
      size_t at = drawing.find(edit.from, start);
      EXPECT_LT(at, end) << edit.from;
      drawing.replace(at, edit.from.size(), edit.to);
      end += edit.to.size() - edit.from.size();
    }
    m_databases.push_back(odDxfReadBuffer(drawing, OdString("table.dxf")));
    for (OdDbObjectId id : OdDbBlockTableRecord::cast(m_databases.back()->getModelSpaceId().openObject().get())->entityIds())
      if (OdDbTablePtr found = OdDbTable::cast(id.openObject().get())) return found;
    ADD_FAILURE() << "no table";
    return OdDbTablePtr();
  }

 private:
  std::string m_drawing;
  std::vector<OdDbDatabasePtr> m_databases;
};

TEST_F(TableHashTest, TablesThatDifferOnlyInCellContentsHashTheSame) {
  SKIP_WITHOUT_TESTDATA();
  OdDbTablePtr original = table();
  OdDbTablePtr retitled = table({{"  1\nTitle\n", "  1\nHeading\n"}, {"302\nTitle\n", "302\nHeading\n"}, {"  1\n6\n", "  1\n7\n"}});
  ASSERT_TRUE(original && retitled);
  auto texts = [](const OdDbTable* t) {
    std::vector<std::string> out;
    for (const auto& g : t->cellData())
      if (g.code == 1) out.push_back(g.text);
    return out;
  };
  ASSERT_NE(texts(original.get()), texts(retitled.get()));
  setCompareProps(kAllCompareProps);
  EXPECT_EQ(hashOf(original.get()), hashOf(retitled.get()));
}

TEST_F(TableHashTest, TablesCountByTheirBlockReferenceData) {
  SKIP_WITHOUT_TESTDATA();
  OdDbTablePtr original = table();
  OdDbTablePtr moved = table({{" 10\n105.0\n", " 10\n106.0\n"}});
  OdDbTablePtr turned = table({{"AcDbBlockReference\n", "AcDbBlockReference\n 50\n90.0\n"}});
  ASSERT_TRUE(original && moved && turned);
  EXPECT_NE(hashOf(original.get()), hashOf(moved.get()));
  EXPECT_NE(hashOf(original.get()), hashOf(turned.get()));
  EXPECT_NE(hashOf(moved.get()), hashOf(turned.get()));
}

TEST_F(TableHashTest, ATableHashesAsTheBlockReferenceThatCopiesIt) {
  SKIP_WITHOUT_TESTDATA();
  OdDbTablePtr original = table();
  ASSERT_TRUE(original);
  OdDbBlockReferencePtr reference = OdDbBlockReference::createObject();
  reference->copyFrom(original.get());
  EXPECT_EQ(reference->position(), original->position());
  EXPECT_EQ(reference->blockTableRecord(), original->blockTableRecord());
  EXPECT_EQ(reference->layerId(), original->layerId());
  EXPECT_EQ(hashOf(reference.get()), hashOf(original.get()));
  // A table copies into a block reference, not the other way round.
  OdDbTablePtr other = OdDbTable::createObject();
  EXPECT_THROW(other->copyFrom(reference.get()), OdError);
  EXPECT_THROW(other->copyFrom(original.get()), OdError);
}

}  // namespace
