#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

// A leader line with an optional arrowhead, pointing at an annotation (LEADER).
class OdDbLeader : public OdDbCurve {
  OD_DXF_CLASS(OdDbLeader);

 public:
  enum AnnoType : int16_t { kMText = 0, kFcf = 1, kBlockRef = 2, kNoAnno = 3 };

  OdDbLeader();

  OdDbObjectId dimensionStyle() const { return m_dimStyle; }
  void setDimensionStyle(OdDbObjectId id) { m_dimStyle = id; }
  bool hasArrowHead() const { return m_arrowHead != 0; }
  void enableArrowHead(bool on) { m_arrowHead = on ? 1 : 0; }
  bool isSplined() const { return m_pathType != 0; }
  void setSplined(bool on) { m_pathType = on ? 1 : 0; }
  AnnoType annoType() const { return static_cast<AnnoType>(m_annoType); }
  bool hasHookLine() const { return m_hookLine != 0; }
  double annoHeight() const { return m_textHeight; }
  double annoWidth() const { return m_textWidth; }

  int numVertices() const { return static_cast<int>(m_vertices.size()); }
  OdGePoint3d vertexAt(int i) const { return m_vertices.at(static_cast<size_t>(i)); }
  const std::vector<OdGePoint3d>& vertices() const { return m_vertices; }
  void appendVertex(const OdGePoint3d& p) { m_vertices.push_back(p); }
  void setVertexAt(int i, const OdGePoint3d& p) { m_vertices.at(static_cast<size_t>(i)) = p; }
  bool removeLastVertex();

  OdDbObjectId annotationObjId() const { return m_annotation; }
  void attachAnnotation(OdDbObjectId id) { m_annotation = id; }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }
  OdGeVector3d horizontalDirection() const { return m_horizontal; }
  OdGeVector3d annotationOffset() const { return m_annotationOffset; }
  void setAnnotationOffset(const OdGeVector3d& v) { m_annotationOffset = v; }

  // Its vertices as a polyline, with a filled arrowhead at the first.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  static bool readVertices(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeVertices(const OdDbObject* obj, OdDbDxfFiler* filer);

  OdDbObjectId m_dimStyle;
  int16_t m_arrowHead;
  int16_t m_pathType;
  int16_t m_annoType;
  int16_t m_hookDirection;
  int16_t m_hookLine;
  double m_textHeight;
  double m_textWidth;
  std::vector<OdGePoint3d> m_vertices;
  int16_t m_color;
  OdDbObjectId m_annotation;
  OdGeVector3d m_normal;
  OdGeVector3d m_horizontal;
  OdGeVector3d m_blockOffset;
  OdGeVector3d m_annotationOffset;
};
using OdDbLeaderPtr = OdSmartPtr<OdDbLeader>;
