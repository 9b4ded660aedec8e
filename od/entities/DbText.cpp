#include "DbText.h"

#include "DbOcs.h"
#include "DxfGroupList.h"
#include "GiTextFormat.h"
#include "GiWorldDraw.h"

#include <cmath>

ODRX_DEFINE_NAMED(OdDbText, "AcDbText", OdDbEntity, "TEXT", odrxNewReferenced<OdDbText>)

std::array<dxf::Field, 12> OdDbText::firstSectionFields() {
  static const dxf::Custom alignment{&OdDbText::readAlignment, &OdDbText::writeAlignment, &OdDbText::copyAlignment};
  return {
      dxf::optional<&OdDbText::m_thickness>(39),
      dxf::field<&OdDbText::m_position>(10),
      dxf::field<&OdDbText::m_height>(40),
      dxf::field<&OdDbText::m_text>(1),
      dxf::angle<&OdDbText::m_rotation>(50, 0, dxf::kOmitDefault),
      dxf::optional<&OdDbText::m_widthFactor>(41, dxf::def(1)),
      dxf::angle<&OdDbText::m_oblique>(51, 0, dxf::kOmitDefault),
      dxf::symbol<&OdDbText::m_style>(7, dxf::SymbolTable::TextStyle, dxf::kOmitDefault, "Standard"),
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
    case 11: text->m_alignment.x = dxf::toDouble(g); return true;
    case 21: text->m_alignment.y = dxf::toDouble(g); return true;
    case 31: text->m_alignment.z = dxf::toDouble(g); return true;
    default: return false;
  }
}

void OdDbText::writeAlignment(const OdDbObject* obj, OdDbDxfFiler* filer) {
  // Left/baseline text has no second point; justified text needs it even at the origin.
  auto* text = static_cast<const OdDbText*>(obj);
  if (filer->includesDefaultValues() || !text->isDefaultAlignment() || text->m_alignment != OdGePoint3d())
    filer->wrPoint3d(11, text->m_alignment);
}

// Not written, the point is the origin, as it is in a new text.
void OdDbText::copyAlignment(const OdDbObject* from, OdDbObject* to, dxf::CopyContext&) {
  static_cast<OdDbText*>(to)->m_alignment = static_cast<const OdDbText*>(from)->m_alignment;
}

double OdDbText::rotation() const { return dxf::toRadians(m_rotation); }
void OdDbText::setRotation(double radians) { m_rotation = dxf::toDegrees(radians); }
double OdDbText::oblique() const { return dxf::toRadians(m_oblique); }
void OdDbText::setOblique(double radians) { m_oblique = dxf::toDegrees(radians); }

namespace {

// Where and how big the text is laid out, before the alignment moves it.
struct TextPlacement {
  OdGePoint3d anchor;  // in the text's plane
  double angle, height, widthFactor;
  OdDb::TextHorzMode horizontal;
};

// Aligned and fitted text runs from the position to the alignment point:
// aligned text keeps its proportions, fitted text its height.
TextPlacement placementOf(const OdDbText& text, const OdString& message) {
  TextPlacement p{text.isDefaultAlignment() ? text.position() : text.alignmentPoint(), text.rotation(), text.height(),
                  text.widthFactor() > 0 ? text.widthFactor() : 1, text.horizontalMode()};
  if (p.horizontal != OdDb::kTextAlign && p.horizontal != OdDb::kTextFit) return p;
  OdGeVector3d baseline = text.alignmentPoint() - text.position();
  double characters = odGiEstimatedTextLength(message, 1);
  if (baseline.length() > 1e-12 && characters > 0) {
    p.angle = std::atan2(baseline.y, baseline.x);
    if (p.horizontal == OdDb::kTextAlign) p.height = baseline.length() / (p.widthFactor * characters);
    else p.widthFactor = baseline.length() / (p.height * characters);
  }
  p.anchor = text.position();
  p.horizontal = OdDb::kTextLeft;
  return p;
}

// Where the text starts from its anchor, along and up from the baseline.
struct TextOffset {
  double along = 0, up = 0;
};

TextOffset alignmentOffset(OdDb::TextHorzMode h, OdDb::TextVertMode v, double length, double height) {
  TextOffset o;
  if (h == OdDb::kTextCenter || h == OdDb::kTextMid) o.along = -length / 2;
  else if (h == OdDb::kTextRight) o.along = -length;
  if (h == OdDb::kTextMid || v == OdDb::kTextVertMid) o.up = -height / 2;
  else if (v == OdDb::kTextTop) o.up = -height;
  return o;
}

}  // namespace

bool OdDbText::subWorldDraw(OdGiWorldDraw* wd) const {
  drawText(wd, m_text);
  return true;
}

void OdDbText::drawText(OdGiWorldDraw* wd, const OdString& shown) const {
  OdString message = odGiPercentCodesReplaced(shown);
  if (message.isEmpty()) return;
  TextPlacement p = placementOf(*this, message);
  OdGeVector3d normal = m_normal.isZeroLength() ? OdGeVector3d::kZAxis : m_normal.normal();
  OdGeVector3d xAxis, yAxis;
  odOcsAxes(normal, xAxis, yAxis);
  OdGeVector3d along = xAxis * std::cos(p.angle) + yAxis * std::sin(p.angle);
  // Mirrored text runs backwards or upside down: turning the normal over keeps the up side.
  OdGeVector3d drawNormal = isMirroredInX() != isMirroredInY() ? -normal : normal;
  if (isMirroredInX()) along = -along;
  OdGeVector3d up = drawNormal.crossProduct(along);
  double length = odGiEstimatedTextLength(message, p.height, p.widthFactor);
  TextOffset offset = alignmentOffset(p.horizontal, verticalMode(), length, p.height);
  OdGePoint3d position = odOcsToWcs(p.anchor, normal) + along * offset.along + up * offset.up;
  wd->geometry().text(position, drawNormal, along, p.height, p.widthFactor, oblique(), message);
}
