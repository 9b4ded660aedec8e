#include "DbDimension.h"

#include "Db2LineAngularDimension.h"
#include "Db3PointAngularDimension.h"
#include "DbDatabase.h"
#include "DbDiametricDimension.h"
#include "DbOcs.h"
#include "DbOrdinateDimension.h"
#include "DbRadialDimension.h"
#include "DbRotatedDimension.h"
#include "DxfClassChooser.h"
#include "DxfGroupList.h"
#include "GiAnnotationDraw.h"
#include "GiTextFormat.h"

#include <cmath>
#include <string>

ODRX_DEFINE_NAMED(OdDbDimension, "AcDbDimension", OdDbEntity, "", nullptr)

const dxf::ClassLayout& OdDbDimension::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbDimension::m_version>(280),
      dxf::symbol<&OdDbDimension::m_block>(2, dxf::SymbolTable::Block, dxf::kOmitDefault),
      dxf::field<&OdDbDimension::m_defPoint>(10),
      dxf::field<&OdDbDimension::m_textPosition>(11),
      dxf::optional<&OdDbDimension::m_clonePoint>(12),
      dxf::field<&OdDbDimension::m_flags>(70),
      dxf::optional<&OdDbDimension::m_text>(1),
      dxf::field<&OdDbDimension::m_attachment>(71, dxf::defInt(5)),
      dxf::optional<&OdDbDimension::m_lineSpacingStyle>(72, dxf::defInt(1)),
      dxf::optional<&OdDbDimension::m_lineSpacingFactor>(41, dxf::def(1)),
      dxf::field<&OdDbDimension::m_measurement>(42),
      dxf::field<&OdDbDimension::m_unknown73>(73),
      dxf::field<&OdDbDimension::m_flipArrow1>(74),
      dxf::field<&OdDbDimension::m_flipArrow2>(75),
      dxf::angle<&OdDbDimension::m_textRotation>(53, 0, dxf::kOmitDefault),
      dxf::angle<&OdDbDimension::m_horizontalRotation>(51, 0, dxf::kOmitDefault),
      dxf::optional<&OdDbDimension::m_normal>(210, dxf::kNormal),
      dxf::symbol<&OdDbDimension::m_dimStyle>(3, dxf::SymbolTable::DimStyle, dxf::kOmitDefault, "Standard"),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbDimension::OdDbDimension() { layout().applyOwnDefaults(this); }

double OdDbDimension::textRotation() const { return dxf::toRadians(m_textRotation); }
void OdDbDimension::setTextRotation(double radians) { m_textRotation = dxf::toDegrees(radians); }
double OdDbDimension::horizontalRotation() const { return dxf::toRadians(m_horizontalRotation); }
void OdDbDimension::setHorizontalRotation(double radians) { m_horizontalRotation = dxf::toDegrees(radians); }

namespace {
// Dimension variables that DSTYLE overrides name by their group code in the
// dimension style record.
constexpr int kDimTFill = 69;
constexpr int kDimTFillClr = 70;

dxf::KeptGroup xgroup(int code, std::string text) { return dxf::KeptGroup{0, static_cast<int16_t>(code), OdDbObjectId(), std::move(text)}; }

// The span of the DSTYLE override list in the groups of the application
// ACAD: the indices of its "{" and "}", or -1 when there is none.
struct OverrideList {
  int open = -1, close = -1;
};

OverrideList findOverrides(const std::vector<dxf::KeptGroup>& xd) {
  bool inAcad = false;
  for (size_t i = 0; i < xd.size(); ++i) {
    if (xd[i].code == 1001) inAcad = OdString(xd[i].text).iCompare(OdString("ACAD")) == 0;
    if (!inAcad || xd[i].code != 1000 || xd[i].text != "DSTYLE") continue;
    if (i + 1 >= xd.size() || xd[i + 1].code != 1002 || xd[i + 1].text != "{") continue;
    int depth = 0;
    for (size_t k = i + 1; k < xd.size() && xd[k].code != 1001; ++k) {
      if (xd[k].code != 1002) continue;
      depth += xd[k].text == "{" ? 1 : -1;
      if (depth == 0) return OverrideList{static_cast<int>(i + 1), static_cast<int>(k)};
    }
  }
  return OverrideList{};
}

// The index of the value of an override, or -1. The list alternates the
// variable's code (1070) and its value.
int findOverride(const std::vector<dxf::KeptGroup>& xd, OverrideList list, int variable) {
  for (int i = list.open + 1; i + 1 < list.close; i += 2)
    if (xd[i].code == 1070 && dxf::toInt(xd[i].text) == variable) return i + 1;
  return -1;
}
}  // namespace

void OdDbDimension::setBgrndTxtColor(const OdCmColor& color, int flags) {
  auto& xd = xdataGroups();
  OverrideList list = findOverrides(xd);
  if (list.open < 0) {
    // A new override list at the end of ACAD's data, or with a new ACAD entry.
    size_t at = xd.size();
    bool inAcad = false, acadFound = false;
    for (size_t i = 0; i < xd.size(); ++i) {
      if (xd[i].code == 1001) {
        if (inAcad) {
          at = i;
          break;
        }
        inAcad = OdString(xd[i].text).iCompare(OdString("ACAD")) == 0;
        acadFound = acadFound || inAcad;
      }
    }
    std::vector<dxf::KeptGroup> added;
    if (!acadFound) added.push_back(xgroup(1001, "ACAD"));
    added.push_back(xgroup(1000, "DSTYLE"));
    added.push_back(xgroup(1002, "{"));
    added.push_back(xgroup(1002, "}"));
    xd.insert(xd.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    list = findOverrides(xd);
  }
  const std::pair<int, int> values[] = {{kDimTFill, flags}, {kDimTFillClr, color.colorIndex()}};
  for (auto [variable, value] : values) {
    int at = findOverride(xd, list, variable);
    if (at >= 0) {
      xd[at] = xgroup(1070, std::to_string(value));
      continue;
    }
    const dxf::KeptGroup pair[] = {xgroup(1070, std::to_string(variable)), xgroup(1070, std::to_string(value))};
    xd.insert(xd.begin() + list.close, std::begin(pair), std::end(pair));
    list.close += 2;
  }
}

void OdDbDimension::getBgrndTxtColor(OdCmColor& color, int& flags) const {
  flags = 0;
  color = OdCmColor(OdCmEntityColor::kByBlock);
  const auto* xd = xdataGroupsIfAny();
  if (!xd) return;
  OverrideList list = findOverrides(*xd);
  if (list.open < 0) return;
  int at = findOverride(*xd, list, kDimTFill);
  if (at >= 0) flags = static_cast<int>(dxf::toInt((*xd)[at].text));
  at = findOverride(*xd, list, kDimTFillClr);
  if (at >= 0) color.setColorIndex(static_cast<int16_t>(dxf::toInt((*xd)[at].text)));
}

namespace {
// DIMENSION records name their class by the subclass marker after
// AcDbDimension; files without markers by the type in group 70.
OdRxClass* chooseDimensionClass(std::span<const dxf::Group> groups) {
  bool aligned = false;
  int64_t type = 0;
  for (const dxf::Group& g : groups) {
    if (g.code >= 1000) break;  // extended data
    if (g.code == 70 && !aligned) type = dxf::toInt(g);
    if (g.code != 100) continue;
    std::string_view m = g.value;
    while (!m.empty() && (m.back() == ' ' || m.back() == '\r')) m.remove_suffix(1);
    if (m == "AcDbRotatedDimension") return OdDbRotatedDimension::desc();
    if (m == "AcDbAlignedDimension") aligned = true;
    else if (m == "AcDbRadialDimension") return OdDbRadialDimension::desc();
    else if (m == "AcDbDiametricDimension") return OdDbDiametricDimension::desc();
    else if (m == "AcDb2LineAngularDimension") return OdDb2LineAngularDimension::desc();
    else if (m == "AcDb3PointAngularDimension") return OdDb3PointAngularDimension::desc();
    else if (m == "AcDbOrdinateDimension") return OdDbOrdinateDimension::desc();
  }
  if (aligned) return OdDbAlignedDimension::desc();
  switch (type & 7) {
    case 1: return OdDbAlignedDimension::desc();
    case 2: return OdDb2LineAngularDimension::desc();
    case 3: return OdDbDiametricDimension::desc();
    case 4: return OdDbRadialDimension::desc();
    case 5: return OdDb3PointAngularDimension::desc();
    case 6: return OdDbOrdinateDimension::desc();
    default: return OdDbRotatedDimension::desc();
  }
}

[[maybe_unused]] const bool g_dimensionChooser =
    (dxf::registerClassChooser(OdString("DIMENSION"), &chooseDimensionClass), true);
}  // namespace

namespace {
// Dimension variables by their group code in the dimension style record.
constexpr int kDimScale = 40;
constexpr int kDimTxt = 140;

// A dimension variable as the dimension overrides it, else as the drawing's header gives it; 0 for neither.
double dimensionVariable(const OdDbDimension* dim, int variable, std::string_view header) {
  if (const auto* xd = dim->xdataGroupsIfAny()) {
    OverrideList list = findOverrides(*xd);
    int at = list.open < 0 ? -1 : findOverride(*xd, list, variable);
    if (at >= 0) return dxf::toDouble((*xd)[at].text);
  }
  const OdDbDatabase* db = dim->database();
  const OdDbDatabase::HeaderVariable* v = db ? db->headerVariable(header) : nullptr;
  return v && !v->groups.empty() ? dxf::toDouble(v->groups.front().text) : 0;
}

// The measurement stands for "<>" and for no text at all; a single space hides the text.
OdString shownText(const OdString& text, double measurement) {
  if (text == OdString(" ")) return OdString();
  std::string value;
  if (measurement >= 0) {
    value = std::to_string(std::round(measurement * 1e4) / 1e4);
    value.erase(value.find_last_not_of('0') + 1);
    if (value.back() == '.') value.pop_back();
  }
  if (text.isEmpty()) return OdString(value);
  int at = text.find(OdString("<>"));
  return at < 0 ? text : text.left(at) + OdString(value) + text.mid(at + 2);
}
}  // namespace

bool OdDbDimension::subWorldDraw(OdGiWorldDraw* wd) const {
  OdGeVector3d insertion = odOcsToWcs(m_clonePoint, m_normal).asVector();
  if (odGiDrawBlock(wd, m_block, OdGeMatrix3d::translation(insertion))) return true;
  drawTextOnly(wd);
  return true;
}

void OdDbDimension::drawTextOnly(OdGiWorldDraw* wd) const {
  double scale = dimensionVariable(this, kDimScale, "$DIMSCALE");
  double height = dimensionVariable(this, kDimTxt, "$DIMTXT") * (scale > 0 ? scale : 1);
  OdGiMTextLayout layout;
  layout.location = odOcsToWcs(m_textPosition, m_normal);
  layout.normal = m_normal;
  double rotation = textRotation();
  layout.direction = OdGeMatrix3d::planeToWorld(m_normal) * OdGeVector3d(std::cos(rotation), std::sin(rotation), 0);
  layout.height = height > 0 ? height : 2.5;
  layout.attachment = m_attachment;
  layout.lineSpacingFactor = m_lineSpacingFactor;
  odGiDrawMText(wd, layout, shownText(m_text, m_measurement));
}
