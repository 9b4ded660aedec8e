#include "DbLeader.h"

#include "DbDatabase.h"
#include "GiAnnotationDraw.h"
#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbLeader, "AcDbLeader", OdDbCurve, "LEADER", odrxNewReferenced<OdDbLeader>)

const dxf::ClassLayout& OdDbLeader::layout() {
  static const dxf::Custom vertices{&OdDbLeader::readVertices, &OdDbLeader::writeVertices};
  static const dxf::Field fields[] = {
      dxf::symbol<&OdDbLeader::m_dimStyle>(3, dxf::SymbolTable::DimStyle, dxf::kOmitDefault, "Standard"),
      dxf::optional<&OdDbLeader::m_arrowHead>(71, dxf::defInt(1)),
      dxf::optional<&OdDbLeader::m_pathType>(72),
      dxf::optional<&OdDbLeader::m_annoType>(73, dxf::defInt(kNoAnno)),
      dxf::optional<&OdDbLeader::m_hookDirection>(74, dxf::defInt(1)),
      dxf::optional<&OdDbLeader::m_hookLine>(75),
      dxf::optional<&OdDbLeader::m_textHeight>(40, dxf::def(1)),
      dxf::optional<&OdDbLeader::m_textWidth>(41, dxf::def(1)),
      dxf::custom(vertices),
      dxf::optional<&OdDbLeader::m_color>(77, dxf::defInt(7)),
      dxf::optional<&OdDbLeader::m_annotation>(340),
      dxf::optional<&OdDbLeader::m_normal>(210, dxf::kNormal),
      dxf::optional<&OdDbLeader::m_horizontal>(211, dxf::def(1, 0, 0)),
      dxf::optional<&OdDbLeader::m_blockOffset>(212),
      dxf::optional<&OdDbLeader::m_annotationOffset>(213),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbLeader::OdDbLeader() { layout().applyOwnDefaults(this); }

bool OdDbLeader::readVertices(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto* leader = static_cast<OdDbLeader*>(obj);
  auto& v = leader->m_vertices;
  switch (g.code) {
    case 76: return true;  // the count: the vertices themselves tell it
    case 10: v.push_back(OdGePoint3d(dxf::toDouble(g), 0, 0)); return true;
    case 20: if (v.empty()) return false; v.back().y = dxf::toDouble(g); return true;
    case 30: if (v.empty()) return false; v.back().z = dxf::toDouble(g); return true;
    default: return false;
  }
}

void OdDbLeader::writeVertices(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* leader = static_cast<const OdDbLeader*>(obj);
  filer->wrInt16(76, static_cast<int16_t>(leader->m_vertices.size()));
  for (const OdGePoint3d& p : leader->m_vertices) filer->wrPoint3d(10, p);
}

bool OdDbLeader::removeLastVertex() {
  if (m_vertices.empty()) return false;
  m_vertices.pop_back();
  return true;
}

namespace {

// A number of the drawing's header, or 0 when it has none.
double headerNumber(const OdDbDatabase* db, std::string_view name) {
  const OdDbDatabase::HeaderVariable* v = db ? db->headerVariable(name) : nullptr;
  return v && !v->groups.empty() ? dxf::toDouble(v->groups.front().text) : 0;
}

}  // namespace

bool OdDbLeader::subWorldDraw(OdGiWorldDraw* wd) const {
  if (m_vertices.size() < 2) return true;
  wd->geometry().polyline(static_cast<int32_t>(m_vertices.size()), m_vertices.data(), &m_normal);
  if (!hasArrowHead()) return true;
  // The drawing's arrow size when it gives one, else a tenth of the leader.
  double scale = headerNumber(database(), "$DIMSCALE");
  double size = headerNumber(database(), "$DIMASZ") * (scale > 0 ? scale : 1);
  if (size <= 0) {
    for (size_t i = 1; i < m_vertices.size(); ++i) size += m_vertices[i].distanceTo(m_vertices[i - 1]) / 10;
  }
  odGiDrawArrowhead(wd, m_vertices[0], m_vertices[0] - m_vertices[1], size, m_normal);
  return true;
}
