#include "DcRevisionClouds.h"

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbPolyline.h"
#include "DbSymbolTable.h"

#include <algorithm>
#include <cmath>

namespace dwgcompare {
namespace {

constexpr double kArcsPerDrawing = 60;
// tan(θ/4) of arcs of about 106°, as drawn clouds look; positive bulges outwards on an anticlockwise outline.
constexpr double kBulge = 0.5;
constexpr OdDb::LineWeight kHighlightLineWeight = static_cast<OdDb::LineWeight>(70);  // 0.70 mm

OdDbObjectId cloudLayer(OdDbDatabase* result) {
  OdDbSymbolTable* layers = result->layerTable();
  if (OdDbObjectId existing = layers->getAt(OdString(kRevisionCloudLayer)); !existing.isNull()) return existing;
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(OdString(kRevisionCloudLayer));
  layer->setColorIndex(kRevisionCloudColorIndex);
  layer->setLinetypeObjectId(result->linetypeContinuousId());
  return layers->add(layer.get());
}

// The corners of the box grown by the arc length, anticlockwise from the lower left.
std::vector<OdGePoint2d> cloudCorners(const OdGeExtents3d& box, double arc) {
  double grow = arc / 2;
  OdGePoint2d low(box.minPoint().x - grow, box.minPoint().y - grow), high(box.maxPoint().x + grow, box.maxPoint().y + grow);
  return {low, {high.x, low.y}, high, {low.x, high.y}};
}

OdDbPolylinePtr cloudAround(const OdGeExtents3d& box, double arc) {
  OdDbPolylinePtr cloud = OdDbPolyline::createObject();
  std::vector<OdGePoint2d> corners = cloudCorners(box, arc);
  unsigned index = 0;
  for (size_t side = 0; side < corners.size(); ++side) {
    const OdGePoint2d& from = corners[side];
    const OdGePoint2d& to = corners[(side + 1) % corners.size()];
    double dx = to.x - from.x, dy = to.y - from.y;
    int arcs = std::max(1, int(std::lround(std::hypot(dx, dy) / arc)));
    for (int i = 0; i < arcs; ++i) {
      double t = double(i) / arcs;
      cloud->addVertexAt(index++, OdGePoint2d(from.x + dx * t, from.y + dy * t), kBulge);
    }
  }
  cloud->setClosed(true);
  return cloud;
}

}  // namespace

void addRevisionClouds(OdDbDatabase* result, const Changes& changes, double drawingSize) {
  if (!result || drawingSize <= 0) return;
  double arc = drawingSize / kArcsPerDrawing;
  OdDbObjectId layer = cloudLayer(result);
  OdDbBlockTableRecordPtr modelSpace = result->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  for (const Change& change : changes) {
    if (!change.box.isValidExtents()) continue;
    OdDbPolylinePtr cloud = cloudAround(change.box, arc);
    cloud->setDatabaseDefaults(result);
    cloud->setLayer(layer);
    cloud->setColorIndex(256);  // by layer: the layer's colour is the clouds' own
    modelSpace->appendOdDbEntity(cloud.get());
  }
}


void highlightRevisionCloud(OdDbDatabase* result, const Change* change) {
  OdDbObjectId layer = result->layerTable()->getAt(OdString(kRevisionCloudLayer));
  if (layer.isNull()) return;
  OdDbBlockTableRecordPtr modelSpace = result->getModelSpaceId().safeOpenObject();
  for (OdDbObjectId id : modelSpace->entityIds()) {
    OdDbEntityPtr cloud = OdDbEntity::cast(id.openObject().get());
    if (cloud.isNull() || cloud->layerId() != layer) continue;
    OdGeExtents3d around = drawnExtents(cloud.get());
    bool chosen = change && change->box.isValidExtents() && around.contains(change->box.minPoint()) &&
                  around.contains(change->box.maxPoint());
    OdDb::LineWeight weight = chosen ? kHighlightLineWeight : OdDb::kLnWtByLayer;
    if (cloud->lineWeight() == weight) continue;
    cloud->upgradeOpen();
    cloud->setLineWeight(weight);
  }
}

bool isHighlightedRevisionCloud(const OdDbEntity* entity) {
  OdDbObjectId layer = entity->database()->layerTable()->getAt(OdString(kRevisionCloudLayer));
  return !layer.isNull() && entity->layerId() == layer && entity->lineWeight() == kHighlightLineWeight;
}

}  // namespace dwgcompare
