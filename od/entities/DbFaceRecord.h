#pragma once

#include "DbVertex.h"

// A face of a polyface mesh: the numbers (from 1) of its three or four
// vertices; a negative number hides the edge that starts at that vertex.
class OdDbFaceRecord : public OdDbVertex {
  OD_DXF_CLASS(OdDbFaceRecord);

 public:
  OdDbFaceRecord();

  // Corner 0 to 3: the vertex number, 0 when the face has no such corner.
  int16_t getVertexAt(int index) const;
  void setVertexAt(int index, int16_t vertexNumber);
  bool isEdgeVisibleAt(int index) const { return getVertexAt(index) >= 0; }
  void makeEdgeVisibleAt(int index);
  void makeEdgeInvisibleAt(int index);
  int16_t flags() const { return m_flags; }

 private:
  int16_t& corner(int index);

  OdGePoint3d m_unused;  // files carry a position, always the origin
  int16_t m_flags;
  int16_t m_v0, m_v1, m_v2, m_v3;
};
using OdDbFaceRecordPtr = OdSmartPtr<OdDbFaceRecord>;
