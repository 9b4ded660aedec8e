#include "CmColor.h"

#include <string>

namespace {

// The colour index table of DXF files as 0xRRGGBB. Index 0 (by block) is black and
// 7 is white; 1..9 are the named colours and grays, 10..249 run through 24
// hues of ten entries each (five shades, each full and pale), and 250..255
// are grays.
constexpr uint32_t kAciTable[256] = {
    0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0,
    0xFF0000, 0xFFAAAA, 0xBD0000, 0xBD7E7E, 0x810000, 0x815656, 0x680000, 0x684545, 0x4F0000, 0x4F3535,
    0xFF3F00, 0xFFBFAA, 0xBD2E00, 0xBD8D7E, 0x811F00, 0x816056, 0x681900, 0x684E45, 0x4F1300, 0x4F3B35,
    0xFF7F00, 0xFFD4AA, 0xBD5E00, 0xBD9D7E, 0x814000, 0x816B56, 0x683400, 0x685645, 0x4F2700, 0x4F4235,
    0xFFBF00, 0xFFEAAA, 0xBD8D00, 0xBDAD7E, 0x816000, 0x817656, 0x684E00, 0x685F45, 0x4F3B00, 0x4F4935,
    0xFFFF00, 0xFFFFAA, 0xBDBD00, 0xBDBD7E, 0x818100, 0x818156, 0x686800, 0x686845, 0x4F4F00, 0x4F4F35,
    0xBFFF00, 0xEAFFAA, 0x8DBD00, 0xADBD7E, 0x608100, 0x768156, 0x4E6800, 0x5F6845, 0x3B4F00, 0x494F35,
    0x7FFF00, 0xD4FFAA, 0x5EBD00, 0x9DBD7E, 0x408100, 0x6B8156, 0x346800, 0x566845, 0x274F00, 0x424F35,
    0x3FFF00, 0xBFFFAA, 0x2EBD00, 0x8DBD7E, 0x1F8100, 0x608156, 0x196800, 0x4E6845, 0x134F00, 0x3B4F35,
    0x00FF00, 0xAAFFAA, 0x00BD00, 0x7EBD7E, 0x008100, 0x568156, 0x006800, 0x456845, 0x004F00, 0x354F35,
    0x00FF3F, 0xAAFFBF, 0x00BD2E, 0x7EBD8D, 0x00811F, 0x568160, 0x006819, 0x45684E, 0x004F13, 0x354F3B,
    0x00FF7F, 0xAAFFD4, 0x00BD5E, 0x7EBD9D, 0x008140, 0x56816B, 0x006834, 0x456856, 0x004F27, 0x354F42,
    0x00FFBF, 0xAAFFEA, 0x00BD8D, 0x7EBDAD, 0x008160, 0x568176, 0x00684E, 0x45685F, 0x004F3B, 0x354F49,
    0x00FFFF, 0xAAFFFF, 0x00BDBD, 0x7EBDBD, 0x008181, 0x568181, 0x006868, 0x456868, 0x004F4F, 0x354F4F,
    0x00BFFF, 0xAAEAFF, 0x008DBD, 0x7EADBD, 0x006081, 0x567681, 0x004E68, 0x455F68, 0x003B4F, 0x35494F,
    0x007FFF, 0xAAD4FF, 0x005EBD, 0x7E9DBD, 0x004081, 0x566B81, 0x003468, 0x455668, 0x00274F, 0x35424F,
    0x003FFF, 0xAABFFF, 0x002EBD, 0x7E8DBD, 0x001F81, 0x566081, 0x001968, 0x454E68, 0x00134F, 0x353B4F,
    0x0000FF, 0xAAAAFF, 0x0000BD, 0x7E7EBD, 0x000081, 0x565681, 0x000068, 0x454568, 0x00004F, 0x35354F,
    0x3F00FF, 0xBFAAFF, 0x2E00BD, 0x8D7EBD, 0x1F0081, 0x605681, 0x190068, 0x4E4568, 0x13004F, 0x3B354F,
    0x7F00FF, 0xD4AAFF, 0x5E00BD, 0x9D7EBD, 0x400081, 0x6B5681, 0x340068, 0x564568, 0x27004F, 0x42354F,
    0xBF00FF, 0xEAAAFF, 0x8D00BD, 0xAD7EBD, 0x600081, 0x765681, 0x4E0068, 0x5F4568, 0x3B004F, 0x49354F,
    0xFF00FF, 0xFFAAFF, 0xBD00BD, 0xBD7EBD, 0x810081, 0x815681, 0x680068, 0x684568, 0x4F004F, 0x4F354F,
    0xFF00BF, 0xFFAAEA, 0xBD008D, 0xBD7EAD, 0x810060, 0x815676, 0x68004E, 0x68455F, 0x4F003B, 0x4F3549,
    0xFF007F, 0xFFAAD4, 0xBD005E, 0xBD7E9D, 0x810040, 0x81566B, 0x680034, 0x684556, 0x4F0027, 0x4F3542,
    0xFF003F, 0xFFAABF, 0xBD002E, 0xBD7E8D, 0x81001F, 0x815660, 0x680019, 0x68454E, 0x4F0013, 0x4F353B,
    0x333333, 0x505050, 0x696969, 0x828282, 0xBEBEBE, 0xFFFFFF
};

constexpr uint8_t channel(uint32_t rgb, int shift) { return static_cast<uint8_t>((rgb >> shift) & 0xFF); }

constexpr long squared(long v) { return v * v; }

long distanceSquared(uint32_t rgb, uint8_t r, uint8_t g, uint8_t b) {
  return squared(long(channel(rgb, 16)) - r) + squared(long(channel(rgb, 8)) - g) + squared(long(channel(rgb, 0)) - b);
}

constexpr uint32_t methodBits(OdCmEntityColor::ColorMethod m) { return uint32_t(m) << 24; }

// The display names of the index colours 1..7.
const char* aciName(int index) {
  static const char* const kNames[] = {"red", "yellow", "green", "cyan", "blue", "magenta", "white"};
  return index >= 1 && index <= 7 ? kNames[index - 1] : nullptr;
}

}  // namespace

uint32_t OdCmEntityColor::indexToRGB(int index) {
  if (index < 0) index = -index;
  return index < 256 ? kAciTable[index] : 0xFFFFFF;
}

int16_t OdCmEntityColor::nearestIndex(uint8_t r, uint8_t g, uint8_t b) {
  int best = 1;
  long bestDistance = distanceSquared(kAciTable[1], r, g, b);
  for (int i = 2; i < 256 && bestDistance > 0; ++i) {
    long d = distanceSquared(kAciTable[i], r, g, b);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return static_cast<int16_t>(best);
}

void OdCmEntityColor::setColorIndex(int16_t index) {
  int i = index < 0 ? -int(index) : int(index);
  if (i == kACIbyBlock) m_rgbm = methodBits(kByBlock);
  else if (i == kACInone) m_rgbm = methodBits(kNone);
  else if (i >= 1 && i <= 255) m_rgbm = methodBits(kByACI) | uint32_t(i);
  else m_rgbm = methodBits(kByLayer);
}

int16_t OdCmEntityColor::colorIndex() const {
  switch (colorMethod()) {
    case kByBlock: return kACIbyBlock;
    case kNone: return kACInone;
    case kForeground: return kACIforeground;
    case kByACI: return static_cast<int16_t>(m_rgbm & 0xFF);
    case kByColor: return nearestIndex(red(), green(), blue());
    default: return kACIbyLayer;
  }
}

uint8_t OdCmEntityColor::red() const {
  if (isByColor()) return channel(m_rgbm, 16);
  return isByACI() ? channel(indexToRGB(m_rgbm & 0xFF), 16) : 0;
}

uint8_t OdCmEntityColor::green() const {
  if (isByColor()) return channel(m_rgbm, 8);
  return isByACI() ? channel(indexToRGB(m_rgbm & 0xFF), 8) : 0;
}

uint8_t OdCmEntityColor::blue() const {
  if (isByColor()) return channel(m_rgbm, 0);
  return isByACI() ? channel(indexToRGB(m_rgbm & 0xFF), 0) : 0;
}

int16_t OdCmColor::colorIndex() const { return m_color.colorIndex(); }

bool OdCmColor::setNames(const OdString& colorName, const OdString& bookName) {
  m_colorName = colorName;
  m_bookName = colorName.isEmpty() ? OdString() : bookName;
  return true;
}

OdString OdCmColor::colorNameForDisplay() const {
  switch (colorMethod()) {
    case OdCmEntityColor::kByLayer: return OdString("BYLAYER");
    case OdCmEntityColor::kByBlock: return OdString("BYBLOCK");
    case OdCmEntityColor::kNone: return OdString("None");
    case OdCmEntityColor::kForeground: return OdString("Foreground");
    case OdCmEntityColor::kByACI: {
      int index = colorIndex();
      const char* name = aciName(index);
      return name ? OdString(name) : OdString(std::to_string(index));
    }
    case OdCmEntityColor::kByColor: break;
    default: return OdString("BYLAYER");
  }
  if (!m_bookName.isEmpty()) return m_bookName + "$" + m_colorName;
  if (!m_colorName.isEmpty()) return m_colorName;
  return OdString(std::to_string(red()) + "," + std::to_string(green()) + "," + std::to_string(blue()));
}
