#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// A 3D face: three or four corners in world coordinates (the fourth equal to
// the third for a triangle), each edge visible or not.
class OdDbFace : public OdDbEntity {
  OD_DXF_CLASS(OdDbFace);

 public:
  OdDbFace();

  // Corner 0 to 3; throws the invalid-index error for others.
  OdGePoint3d getVertexAt(int index) const;
  void setVertexAt(int index, const OdGePoint3d& p);
  // Edge 0 runs from corner 0 to corner 1, and so on round to corner 0.
  bool isEdgeVisibleAt(int index) const;
  void makeEdgeVisibleAt(int index);
  void makeEdgeInvisibleAt(int index);
  int16_t invisibleEdgeFlags() const { return m_invisibleEdges; }
  // The visible edges, as few polylines as they make.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdGePoint3d& corner(int index);

  OdGePoint3d m_p0, m_p1, m_p2, m_p3;
  int16_t m_invisibleEdges;  // bit i set: edge i is hidden
};
using OdDbFacePtr = OdSmartPtr<OdDbFace>;
