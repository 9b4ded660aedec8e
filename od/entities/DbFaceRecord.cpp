#include "DbFaceRecord.h"

#include <cstdlib>

ODRX_DEFINE_NAMED(OdDbFaceRecord, "AcDbFaceRecord", OdDbVertex, "VERTEX", odrxNewReferenced<OdDbFaceRecord>)

// Face records have no AcDbVertex section in files: their parent layout is the entity's.
const dxf::ClassLayout& OdDbFaceRecord::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbFaceRecord::m_unused>(10),
      dxf::field<&OdDbFaceRecord::m_flags>(70, dxf::defInt(128)),
      dxf::field<&OdDbFaceRecord::m_v0>(71),
      dxf::optional<&OdDbFaceRecord::m_v1>(72),
      dxf::optional<&OdDbFaceRecord::m_v2>(73),
      dxf::optional<&OdDbFaceRecord::m_v3>(74),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbFaceRecord::OdDbFaceRecord() { layout().applyOwnDefaults(this); }

int16_t& OdDbFaceRecord::corner(int index) {
  switch (index) {
    case 0: return m_v0;
    case 1: return m_v1;
    case 2: return m_v2;
    case 3: return m_v3;
    default: throw OdError_InvalidIndex();
  }
}

int16_t OdDbFaceRecord::getVertexAt(int index) const { return const_cast<OdDbFaceRecord*>(this)->corner(index); }
void OdDbFaceRecord::setVertexAt(int index, int16_t vertexNumber) { corner(index) = vertexNumber; }

void OdDbFaceRecord::makeEdgeVisibleAt(int index) {
  int16_t& v = corner(index);
  v = static_cast<int16_t>(std::abs(v));
}

void OdDbFaceRecord::makeEdgeInvisibleAt(int index) {
  int16_t& v = corner(index);
  v = static_cast<int16_t>(-std::abs(v));
}
