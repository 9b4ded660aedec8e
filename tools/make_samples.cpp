// make_samples: writes the sample drawings the project ships: a small floor
// plan and its revision, with moved, added, removed and restyled objects.
//   make_samples OUTDIR

#include "DbArc.h"
#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbDatabase.h"
#include "DbHatch.h"
#include "DbLine.h"
#include "DbPolyline.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "DxfWriter.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

class PlanBuilder {
 public:
  explicit PlanBuilder(bool revision) : m_db(OdDbDatabase::create()), m_revision(revision) {
    m_db->setLastSavedBy(OdString(revision ? "reviewer" : "designer"));
    addLayer("WALLS", 7);
    addLayer("DOORS", 3);
    addLayer("FURNITURE", 4);
    addLayer("TEXT", 2);
    addLayer("HATCH", 8);
    m_chair = makeChairBlock();
  }

  OdDbDatabasePtr build() {
    walls();
    doors();
    furniture();
    labels();
    floorHatch();
    return m_db;
  }

 private:
  void addLayer(const char* name, int16_t color) {
    OdSmartPtr<OdDbLayerTableRecord> layer = OdDbLayerTableRecord::createObject();
    layer->setName(OdString(name));
    layer->setColorIndex(color);
    layer->setLinetypeObjectId(m_db->linetypeContinuousId());
    m_db->layerTable()->add(layer.get());
  }

  OdDbBlockTableRecord* modelSpace() {
    if (!m_ms) m_ms = OdDbBlockTableRecord::cast(m_db->getModelSpaceId().openObject(OdDb::kForWrite).get());
    return m_ms.get();
  }

  template <class T>
  OdSmartPtr<T> add(OdSmartPtr<T> entity, const char* layer, OdDbBlockTableRecord* block = nullptr) {
    entity->setDatabaseDefaults(m_db.get());
    entity->setLayer(OdString(layer));
    (block ? block : modelSpace())->appendOdDbEntity(entity.get());
    return entity;
  }

  void line(double x1, double y1, double x2, double y2, const char* layer, OdDbBlockTableRecord* block = nullptr) {
    auto l = OdDbLine::createObject();
    l->setStartPoint(OdGePoint3d(x1, y1, 0));
    l->setEndPoint(OdGePoint3d(x2, y2, 0));
    add(l, layer, block);
  }

  OdDbObjectId makeChairBlock() {
    OdSmartPtr<OdDbBlockTableRecord> block = OdDbBlockTableRecord::createObject();
    block->setName(OdString("CHAIR"));
    OdDbObjectId id = m_db->blockTable()->add(block.get());
    auto seat = OdDbPolyline::createObject();
    const double pts[][2] = {{-0.25, -0.25}, {0.25, -0.25}, {0.25, 0.25}, {-0.25, 0.25}};
    for (unsigned i = 0; i < 4; ++i) seat->addVertexAt(i, OdGePoint2d(pts[i][0], pts[i][1]));
    seat->setClosed(true);
    add(seat, "0", block.get());
    line(-0.25, 0.3, 0.25, 0.3, "0", block.get());
    return id;
  }

  void walls() {
    auto outline = OdDbPolyline::createObject();
    const double pts[][2] = {{0, 0}, {12, 0}, {12, 8}, {0, 8}};
    for (unsigned i = 0; i < 4; ++i) outline->addVertexAt(i, OdGePoint2d(pts[i][0], pts[i][1]));
    outline->setClosed(true);
    outline->setConstantWidth(0.2);
    add(outline, "WALLS");
    // The revision moves the partition wall half a metre east.
    double partition = m_revision ? 7.5 : 7.0;
    line(partition, 0, partition, 5, "WALLS");
    line(0, 5, 4, 5, "WALLS");
    if (!m_revision) line(5, 5, 7, 5, "WALLS");  // removed in the revision
  }

  void doors() {
    auto swing = OdDbArc::createObject();
    swing->setCenter(OdGePoint3d(4, 5, 0));
    swing->setRadius(1);
    swing->setStartAngle(0);
    swing->setEndAngle(M_PI / 2);
    add(swing, "DOORS");
    line(4, 5, 4, 6, "DOORS");
    if (m_revision) {  // a second door, added
      auto second = OdDbArc::createObject();
      second->setCenter(OdGePoint3d(12, 2, 0));
      second->setRadius(0.9);
      second->setStartAngle(M_PI / 2);
      second->setEndAngle(M_PI);
      add(second, "DOORS");
    }
  }

  void furniture() {
    const double places[][2] = {{2, 2}, {3, 2}, {9, 6}, {10, 6}};
    for (const auto& p : places) {
      auto chair = OdDbBlockReference::createObject();
      chair->setBlockTableRecord(m_chair);
      chair->setPosition(OdGePoint3d(p[0], p[1], 0));
      add(chair, "FURNITURE");
    }
    auto table = OdDbCircle::createObject();
    table->setCenter(OdGePoint3d(9.5, 6.8, 0));
    table->setRadius(0.6);
    add(table, "FURNITURE");
    // The revision gives the table a colour of its own.
    if (m_revision) table->setColorIndex(1);
  }

  void labels() {
    struct Label { const char* text; double x, y; };
    const Label labels[] = {{"LIVING", 2, 6.5}, {"KITCHEN", 9, 2}, {m_revision ? "STUDY" : "BEDROOM", 9, 7.4}};
    for (const Label& l : labels) {
      auto text = OdDbText::createObject();
      text->setPosition(OdGePoint3d(l.x, l.y, 0));
      text->setHeight(0.35);
      text->setTextString(OdString(l.text));
      add(text, "TEXT");
    }
  }

  void floorHatch() {
    auto hatch = OdDbHatch::createObject();
    hatch->setPattern(OdDbHatch::kPreDefined, OdString("ANSI31"));
    hatch->setPatternScale(0.5);
    hatch->appendLoop(1, {OdGePoint2d(8, 0.2), OdGePoint2d(11.8, 0.2), OdGePoint2d(11.8, 1.5), OdGePoint2d(8, 1.5)},
                      {0, 0, 0, 0});
    add(hatch, "HATCH");
  }

  OdDbDatabasePtr m_db;
  bool m_revision;
  OdDbObjectId m_chair;
  OdDbBlockTableRecordPtr m_ms;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_samples OUTDIR\n");
    return 2;
  }
  try {
    std::string dir = argv[1];
    odDxfWriteFile(PlanBuilder(false).build().get(), OdString(dir + "/plan.dxf"));
    odDxfWriteFile(PlanBuilder(true).build().get(), OdString(dir + "/plan_revised.dxf"));
  } catch (const OdError& e) {
    std::fprintf(stderr, "make_samples: %s\n", e.description().utf8().c_str());
    return 1;
  }
  return 0;
}
