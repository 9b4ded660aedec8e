#include "GiAnnotationDraw.h"

#include "DbBlockTableRecord.h"
#include "GiWorldDraw.h"

namespace {

// Deeper nesting than any real drawing has means a block holds itself.
constexpr int kMaxNesting = 64;

int nestingDepth(const OdGiWorldDraw* wd) {
  int depth = 0;
  for (const OdGiPathNode* node = wd->currentGiPath(); node; node = node->parent()) ++depth;
  return depth;
}

}  // namespace

bool odGiDrawBlock(OdGiWorldDraw* wd, OdDbObjectId blockId, const OdGeMatrix3d& transform) {
  OdDbObjectPtr object = blockId.openObject();
  auto* block = dynamic_cast<const OdDbBlockTableRecord*>(object.get());
  if (!block || nestingDepth(wd) > kMaxNesting) return false;
  OdGiGeometry& geometry = wd->geometry();
  geometry.pushModelTransform(transform);
  const OdDbObjectIdArray& ids = block->entityIds();
  for (size_t i = 0; i < ids.size(); ++i) {
    if (wd->regenAbort()) break;
    odPrefetchAhead(ids, i);
    OdDbObjectPtr entity = ids[i].openObject();  // held while it is drawn
    if (auto* drawable = dynamic_cast<const OdDbEntity*>(entity.get())) geometry.draw(drawable);
  }
  geometry.popModelTransform();
  return true;
}

void odGiDrawArrowhead(OdGiWorldDraw* wd, const OdGePoint3d& tip, const OdGeVector3d& direction, double size,
                       const OdGeVector3d& normal) {
  if (size <= 0 || direction.isZeroLength()) return;
  OdGeVector3d along = direction.normal();
  OdGeVector3d n = normal.isZeroLength() ? OdGeVector3d::kZAxis : normal.normal();
  OdGeVector3d across = n.crossProduct(along);
  if (across.isZeroLength()) across = OdGeMatrix3d::planeToWorld(along) * OdGeVector3d::kXAxis;
  OdGePoint3d base = tip - along * size;
  OdGePoint3d corners[3] = {tip, base + across.normal() * (size / 6), base - across.normal() * (size / 6)};
  wd->geometry().polygon(3, corners);
}
