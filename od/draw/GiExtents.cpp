#include "GiExtents.h"

#include "DbBlockTableRecord.h"
#include "GiWorldDrawImpl.h"
#include "OdParallel.h"

#include <span>

void OdGiExtentsSink::add(const OdGePoint3d* points, int count) {
  for (int i = 0; i < count; ++i) m_extents.addPoint(points[i]);
}

void OdGiExtentsSink::text(const OdGePoint3d& position, const OdGeVector3d& direction, const OdGeVector3d& up,
                           double widthFactor, const OdString& message, const OdGiResolvedTraits&) {
  // Glyphs are taken as wide as they are high, scaled by the width factor.
  OdGeVector3d along = direction * (widthFactor * message.getLength());
  const OdGePoint3d corners[] = {position, position + along, position + up, position + along + up};
  add(corners, 4);
}

namespace {
OdGeExtents3d extentsOf(std::span<const OdDbObjectId> ids) {
  OdGiExtentsSink sink;
  OdGiWorldDrawImpl draw(sink, kOdGiForExtents);
  draw.drawEntities(ids);
  return sink.extents();
}
}  // namespace

// Extents are a union, whatever the order: the second half of the block is
// measured on another core. A compared result is two references to the two
// files, which then take a core each.
OdGeExtents3d odGiBlockExtents(const OdDbBlockTableRecord* block) {
  std::span<const OdDbObjectId> ids = block->entityIds();
  OdGeExtents3d halves[2];
  size_t parts = odCoreCount() > 1 && ids.size() > 1 ? 2 : 1;
  odRunInParallel(parts, [&](size_t part) {
    halves[part] = extentsOf(parts == 1 ? ids : part == 0 ? ids.first(ids.size() / 2) : ids.subspan(ids.size() / 2));
  });
  return halves[0].addExt(halves[1]);
}
