#include "DbMText.h"

#include "DbOcs.h"
#include "GiTextFormat.h"

#include <cmath>

ODRX_DEFINE_NAMED(OdDbMText, "AcDbMText", OdDbEntity, "MTEXT", odrxNewReferenced<OdDbMText>)

const dxf::ClassLayout& OdDbMText::layout() {
  static const dxf::Custom contents{&OdDbMText::readContents, &OdDbMText::writeContents};
  static const dxf::Custom background{&OdDbMText::readBackground, &OdDbMText::writeBackground};
  static const dxf::Custom embedded{&OdDbMText::readEmbedded, &OdDbMText::writeEmbedded};
  static const dxf::Field fields[] = {
      dxf::field<&OdDbMText::m_location>(10),
      dxf::field<&OdDbMText::m_height>(40, dxf::def(2.5)),
      dxf::field<&OdDbMText::m_width>(41),
      dxf::field<&OdDbMText::m_definedHeight>(46),
      dxf::field<&OdDbMText::m_attachment>(71, dxf::defInt(kTopLeft)),
      dxf::field<&OdDbMText::m_flowDirection>(72, dxf::defInt(kLtoR)),
      dxf::custom(contents),
      dxf::symbol<&OdDbMText::m_style>(7, dxf::SymbolTable::TextStyle, dxf::kOmitDefault, "Standard"),
      dxf::optional<&OdDbMText::m_normal>(210, dxf::kNormal),
      dxf::optional<&OdDbMText::m_direction>(11, dxf::def(1, 0, 0)),
      dxf::optional<&OdDbMText::m_actualWidth>(42),
      dxf::optional<&OdDbMText::m_actualHeight>(43),
      dxf::angle<&OdDbMText::m_rotation>(50, 0, dxf::kOmitDefault),
      dxf::field<&OdDbMText::m_lineSpacingStyle>(73, dxf::defInt(kAtLeast)),
      dxf::field<&OdDbMText::m_lineSpacingFactor>(44, dxf::def(1)),
      dxf::custom(background),
      dxf::custom(embedded),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbMText::OdDbMText() {
  layout().applyOwnDefaults(this);
  m_bgPresent = 0;
  m_bgFlags = 0;
  m_bgColorIndex = 256;
  m_bgTrueColor = 0;
  m_bgScale = 1.5;
  m_bgTransparency = 0;
}

namespace {
std::u16string withParagraphBreaks(const std::u16string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c == u'\n') out += u"\\P";
    else out += c;
  }
  return out;
}
}  // namespace

bool OdDbMText::readContents(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* mtext = static_cast<OdDbMText*>(obj);
  if ((g.code != 1 && g.code != 3) || !mtext->m_embedded.empty()) return false;
  // Text longer than one group comes as groups 3 and a final 1. The parts
  // are joined before decoding: an escape (\U+0416) or a double-byte
  // character may be cut between two groups. Decoded once, at the final 1,
  // so that a long text reads in time linear in its length.
  mtext->m_contentsRead.append(g.value);
  if (g.code != 1) return true;
  mtext->m_contents = ctx.decodeString(mtext->m_contentsRead);
  mtext->m_contentsRead.clear();
  return true;
}

void OdDbMText::writeContents(const OdDbObject* obj, OdDbDxfFiler* filer) {
  // Line feeds are written as they are, as newer writers do (^J in ASCII
  // files). Older versions write a paragraph break (\P) where newer ones
  // write a line feed: a filer that wants no versioned data gets \P for both.
  const std::u16string& contents = static_cast<const OdDbMText*>(obj)->m_contents.units();
  std::u16string normalised;
  const std::u16string& units =
      filer->includesVersionedData() ? contents : (normalised = withParagraphBreaks(contents));
  size_t pos = 0;
  while (units.size() - pos > static_cast<size_t>(kChunkLength)) {
    size_t len = kChunkLength;
    // A surrogate pair may not be cut in two.
    if (units[pos + len - 1] >= 0xD800 && units[pos + len - 1] <= 0xDBFF) --len;
    filer->wrString(3, OdString(units.substr(pos, len)));
    pos += len;
  }
  filer->wrString(1, OdString(units.substr(pos)));
}

bool OdDbMText::readBackground(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* mtext = static_cast<OdDbMText*>(obj);
  if (!mtext->m_embedded.empty()) return false;  // the embedded object has a 45 of its own
  switch (g.code) {
    case 90: mtext->m_bgFlags = static_cast<int32_t>(dxf::toInt(g)); mtext->m_bgPresent |= kBgFlags; return true;
    case 63: mtext->m_bgColorIndex = static_cast<int16_t>(dxf::toInt(g)); mtext->m_bgPresent |= kBgColor; return true;
    case 421:
      mtext->m_bgTrueColor = static_cast<int32_t>(dxf::toInt(g));
      mtext->m_bgPresent |= kBgTrueColor;
      return true;
    case 431: mtext->m_bgColorName = ctx.decodeString(g.value); mtext->m_bgPresent |= kBgColorName; return true;
    case 45: mtext->m_bgScale = dxf::toDouble(g); mtext->m_bgPresent |= kBgScale; return true;
    case 441:
      mtext->m_bgTransparency = static_cast<int32_t>(dxf::toInt(g));
      mtext->m_bgPresent |= kBgTransparency;
      return true;
    default: return false;
  }
}

void OdDbMText::writeBackground(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* mtext = static_cast<const OdDbMText*>(obj);
  uint8_t present = mtext->m_bgPresent;
  if (present & kBgFlags) filer->wrInt32(90, mtext->m_bgFlags);
  if (present & kBgColor) filer->wrInt16(63, mtext->m_bgColorIndex);
  if (present & kBgTrueColor) filer->wrInt32(421, mtext->m_bgTrueColor);
  if (present & kBgColorName) filer->wrString(431, mtext->m_bgColorName);
  if (present & kBgScale) filer->wrDouble(45, mtext->m_bgScale);
  if (present & kBgTransparency) filer->wrInt32(441, mtext->m_bgTransparency);
}

bool OdDbMText::readEmbedded(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* mtext = static_cast<OdDbMText*>(obj);
  if (mtext->m_embedded.empty() && g.code != 101) return false;
  dxf::appendGroup(mtext->m_embedded, g, ctx);
  return true;
}

// The embedded object holds the columns, which versions before 2010 keep
// in extended data instead.
void OdDbMText::writeEmbedded(const OdDbObject* obj, OdDbDxfFiler* filer) {
  if (!filer->includesVersionedData()) return;
  dxf::writeGroups(static_cast<const OdDbMText*>(obj)->m_embedded, filer);
}

OdGeVector3d OdDbMText::direction() const {
  if (m_direction != OdGeVector3d::kXAxis) return m_direction;
  double r = dxf::toRadians(m_rotation);
  return OdGeVector3d(std::cos(r), std::sin(r), 0);
}

double OdDbMText::rotation() const {
  if (m_direction != OdGeVector3d::kXAxis) return std::atan2(m_direction.y, m_direction.x);
  return dxf::toRadians(m_rotation);
}

void OdDbMText::setRotation(double radians) {
  m_rotation = dxf::toDegrees(radians);
  // A direction read from the file would otherwise override the new angle.
  if (m_direction != OdGeVector3d::kXAxis) m_direction = OdGeVector3d(std::cos(radians), std::sin(radians), 0);
}

void OdDbMText::setBackgroundFill(bool on) {
  m_bgFlags = on ? (m_bgFlags | 1) : (m_bgFlags & ~3);
  if (on) m_bgPresent |= kBgFlags | kBgColor | kBgScale | kBgTransparency;
  else if (m_bgFlags == 0) m_bgPresent = 0;
}

void OdDbMText::setUseBackgroundColor(bool on) {
  m_bgFlags = on ? (m_bgFlags | 2) : (m_bgFlags & ~2);
  m_bgPresent |= kBgFlags;
}

OdCmColor OdDbMText::getBackgroundFillColor() const {
  OdCmColor color;
  if (m_bgPresent & kBgTrueColor) {
    color.setRGB(static_cast<uint8_t>(m_bgTrueColor >> 16), static_cast<uint8_t>(m_bgTrueColor >> 8),
                 static_cast<uint8_t>(m_bgTrueColor));
  } else {
    color.setColorIndex(m_bgColorIndex);
  }
  if (m_bgPresent & kBgColorName) {
    int dollar = m_bgColorName.find(u'$');
    if (dollar < 0) color.setNames(m_bgColorName);
    else color.setNames(m_bgColorName.mid(dollar + 1), m_bgColorName.left(dollar));
  }
  return color;
}

void OdDbMText::setBackgroundFillColor(const OdCmColor& color) {
  // The index is required even beside a true colour.
  m_bgColorIndex = color.colorIndex();
  m_bgPresent |= kBgColor;
  if (color.isByColor()) {
    m_bgTrueColor = static_cast<int32_t>(color.color() & 0xFFFFFF);
    m_bgPresent |= kBgTrueColor;
  } else {
    m_bgPresent &= ~kBgTrueColor;
  }
  if (color.colorName().isEmpty()) {
    m_bgPresent &= ~kBgColorName;
  } else {
    m_bgColorName = color.bookName().isEmpty() ? color.colorName() : color.bookName() + "$" + color.colorName();
    m_bgPresent |= kBgColorName;
  }
}

void OdDbMText::setBackgroundScaleFactor(double scale) {
  m_bgScale = scale;
  m_bgPresent |= kBgScale;
}

void OdDbMText::setBackgroundTransparency(const OdCmTransparency& t) {
  m_bgTransparency = static_cast<int32_t>(t.serializeOut());
  m_bgPresent |= kBgTransparency;
}

bool OdDbMText::subWorldDraw(OdGiWorldDraw* wd) const {
  OdGiMTextLayout layout;
  layout.location = m_location;
  layout.normal = m_normal;
  layout.direction = m_direction;
  if (m_direction == OdGeVector3d::kXAxis) {
    // Without a direction of its own the rotation turns the text in its plane.
    OdGeVector3d xAxis, yAxis;
    odOcsAxes(m_normal, xAxis, yAxis);
    double r = dxf::toRadians(m_rotation);
    layout.direction = xAxis * std::cos(r) + yAxis * std::sin(r);
  }
  layout.height = m_height;
  layout.width = m_width;
  layout.attachment = m_attachment;
  layout.lineSpacingFactor = m_lineSpacingFactor;
  odGiDrawMText(wd, layout, m_contents);
  return true;
}
