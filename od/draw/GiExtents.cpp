#include "GiExtents.h"

#include "DbBlockTableRecord.h"
#include "GiWorldDrawImpl.h"

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

OdGeExtents3d odGiBlockExtents(const OdDbBlockTableRecord* block) {
  OdGiExtentsSink sink;
  OdGiWorldDrawImpl draw(sink, kOdGiForExtents);
  draw.drawBlock(block);
  return sink.extents();
}
