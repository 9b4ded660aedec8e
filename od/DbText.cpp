#include "DbText.h"

#include "DxfGroupList.h"

ODRX_DEFINE_NAMED(OdDbText, "AcDbText", OdDbEntity, "TEXT", odrxNewReferenced<OdDbText>)

std::array<dxf::Field, 12> OdDbText::firstSectionFields() {
  static const dxf::Custom alignment{&OdDbText::readAlignment, &OdDbText::writeAlignment};
  return {
      dxf::optional<&OdDbText::m_thickness>(39),
      dxf::field<&OdDbText::m_position>(10),
      dxf::field<&OdDbText::m_height>(40),
      dxf::field<&OdDbText::m_text>(1),
      dxf::angle<&OdDbText::m_rotation>(50, 0, dxf::kOmitDefault),
      dxf::optional<&OdDbText::m_widthFactor>(41, dxf::def(1)),
      dxf::angle<&OdDbText::m_oblique>(51, 0, dxf::kOmitDefault),
      dxf::symbol<&OdDbText::m_style>(7, dxf::SymbolTable::TextStyle, dxf::kOmitDefault),
      dxf::optional<&OdDbText::m_generation>(71),
      dxf::optional<&OdDbText::m_horizontalMode>(72),
      dxf::custom(alignment),
      dxf::optional<&OdDbText::m_normal>(210, dxf::kNormal),
  };
}

const dxf::ClassLayout& OdDbText::layout() {
  // TEXT has two AcDbText sections; the second holds the vertical alignment.
  static const auto fields = dxf::joinFields(std::array{dxf::marker("AcDbText")}, firstSectionFields(),
                                             std::array{dxf::marker("AcDbText"),
                                                        dxf::optional<&OdDbText::m_verticalMode>(73)});
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbText::OdDbText() { layout().applyOwnDefaults(this); }

bool OdDbText::readAlignment(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto* text = static_cast<OdDbText*>(obj);
  switch (g.code) {
    case 11: text->m_alignment.x = dxf::toDouble(g.value); return true;
    case 21: text->m_alignment.y = dxf::toDouble(g.value); return true;
    case 31: text->m_alignment.z = dxf::toDouble(g.value); return true;
    default: return false;
  }
}

void OdDbText::writeAlignment(const OdDbObject* obj, OdDbDxfFiler* filer) {
  // Left/baseline text has no second point; justified text needs it even at the origin.
  auto* text = static_cast<const OdDbText*>(obj);
  if (filer->includesDefaultValues() || !text->isDefaultAlignment() || text->m_alignment != OdGePoint3d())
    filer->wrPoint3d(11, text->m_alignment);
}

double OdDbText::rotation() const { return dxf::toRadians(m_rotation); }
void OdDbText::setRotation(double radians) { m_rotation = dxf::toDegrees(radians); }
double OdDbText::oblique() const { return dxf::toRadians(m_oblique); }
void OdDbText::setOblique(double radians) { m_oblique = dxf::toDegrees(radians); }
