#include "DbFace.h"

#include "DbCorners.h"
#include "GiWorldDraw.h"

#include <vector>

ODRX_DEFINE_NAMED(OdDbFace, "AcDbFace", OdDbEntity, "3DFACE", odrxNewReferenced<OdDbFace>)

const dxf::ClassLayout& OdDbFace::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbFace::m_p0>(10),
      dxf::field<&OdDbFace::m_p1>(11),
      dxf::field<&OdDbFace::m_p2>(12),
      dxf::field<&OdDbFace::m_p3>(13),
      dxf::optional<&OdDbFace::m_invisibleEdges>(70),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbFace::OdDbFace() { layout().applyOwnDefaults(this); }

OdGePoint3d& OdDbFace::corner(int index) { return odCornerAt(index, m_p0, m_p1, m_p2, m_p3); }

OdGePoint3d OdDbFace::getVertexAt(int index) const { return const_cast<OdDbFace*>(this)->corner(index); }
void OdDbFace::setVertexAt(int index, const OdGePoint3d& p) { corner(index) = p; }

bool OdDbFace::isEdgeVisibleAt(int index) const {
  if (index < 0 || index > 3) throw OdError_InvalidIndex();
  return (m_invisibleEdges & (1 << index)) == 0;
}

void OdDbFace::makeEdgeVisibleAt(int index) {
  if (index < 0 || index > 3) throw OdError_InvalidIndex();
  m_invisibleEdges = static_cast<int16_t>(m_invisibleEdges & ~(1 << index));
}

void OdDbFace::makeEdgeInvisibleAt(int index) {
  if (index < 0 || index > 3) throw OdError_InvalidIndex();
  m_invisibleEdges = static_cast<int16_t>(m_invisibleEdges | (1 << index));
}

bool OdDbFace::subWorldDraw(OdGiWorldDraw* wd) const {
  const OdGePoint3d corners[] = {m_p0, m_p1, m_p2, m_p3};
  // Start after a hidden edge, if any, so that every run of visible edges is one polyline.
  int first = 0;
  while (first < 4 && isEdgeVisibleAt(first)) ++first;
  first = first == 4 ? 0 : first + 1;
  std::vector<OdGePoint3d> run;
  auto flush = [&] {
    if (run.size() >= 2) wd->geometry().polyline(static_cast<int32_t>(run.size()), run.data());
    run.clear();
  };
  for (int i = 0; i < 4; ++i) {
    int edge = (first + i) % 4;
    if (!isEdgeVisibleAt(edge)) {
      flush();
      continue;
    }
    if (run.empty()) run.push_back(corners[edge]);
    run.push_back(corners[(edge + 1) % 4]);
  }
  flush();
  return true;
}
