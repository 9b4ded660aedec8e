#include "CmColor.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {
// Placeholder table computed from the hue/shade pattern; replaced by the published table.
std::array<uint32_t, 256> buildTable() {
  std::array<uint32_t, 256> t{};
  const uint32_t basic[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
  for (int i = 0; i < 10; ++i) t[i] = basic[i];
  const int levels[5] = {255, 189, 129, 104, 79};
  for (int i = 10; i < 250; ++i) {
    double hue = ((i / 10) - 1) * 15.0;
    int v = levels[(i % 10) / 2];
    int lo = (i % 2) ? static_cast<int>(std::lround(v * 2.0 / 3.0)) : 0;
    double h = hue / 60.0;
    int sector = static_cast<int>(h) % 6;
    double f = h - std::floor(h);
    int up = lo + static_cast<int>((v - lo) * f);
    int down = lo + static_cast<int>((v - lo) * (1 - f));
    int r, g, b;
    switch (sector) {
      case 0: r = v; g = up; b = lo; break;
      case 1: r = down; g = v; b = lo; break;
      case 2: r = lo; g = v; b = up; break;
      case 3: r = lo; g = down; b = v; break;
      case 4: r = up; g = lo; b = v; break;
      default: r = v; g = lo; b = down; break;
    }
    t[i] = (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
  }
  const uint32_t grays[6] = {0x333333, 0x505050, 0x696969, 0x828282, 0xBEBEBE, 0xFFFFFF};
  for (int i = 0; i < 6; ++i) t[250 + i] = grays[i];
  return t;
}
const std::array<uint32_t, 256>& table() {
  static const auto t = buildTable();
  return t;
}
}  // namespace

uint32_t OdCmEntityColor::indexToRGB(int index) { return index >= 0 && index < 256 ? table()[index] : 0xFFFFFF; }

int16_t OdCmEntityColor::nearestIndex(uint8_t r, uint8_t g, uint8_t b) {
  int best = 1;
  long bestDistance = -1;
  for (int i = 1; i < 256; ++i) {
    uint32_t c = table()[i];
    long dr = long((c >> 16) & 255) - r, dg = long((c >> 8) & 255) - g, db = long(c & 255) - b;
    long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return static_cast<int16_t>(best);
}

void OdCmEntityColor::setColorIndex(int16_t index) {
  int i = std::abs(index);
  if (i == 0) m_rgbm = uint32_t(kByBlock) << 24;
  else if (i == 256) m_rgbm = uint32_t(kByLayer) << 24;
  else if (i == 257) m_rgbm = uint32_t(kNone) << 24;
  else m_rgbm = (uint32_t(kByACI) << 24) | uint32_t(i & 0xFF);
}

int16_t OdCmEntityColor::colorIndex() const {
  switch (colorMethod()) {
    case kByLayer: return kACIbyLayer;
    case kByBlock: return kACIbyBlock;
    case kNone: return kACInone;
    case kForeground: return kACIforeground;
    case kByACI: return static_cast<int16_t>(m_rgbm & 0xFF);
    case kByColor: return nearestIndex(red(), green(), blue());
    default: return kACIbyLayer;
  }
}

uint8_t OdCmEntityColor::red() const {
  if (isByColor()) return (m_rgbm >> 16) & 255;
  return isByACI() ? (indexToRGB(m_rgbm & 0xFF) >> 16) & 255 : 0;
}
uint8_t OdCmEntityColor::green() const {
  if (isByColor()) return (m_rgbm >> 8) & 255;
  return isByACI() ? (indexToRGB(m_rgbm & 0xFF) >> 8) & 255 : 0;
}
uint8_t OdCmEntityColor::blue() const {
  if (isByColor()) return m_rgbm & 255;
  return isByACI() ? indexToRGB(m_rgbm & 0xFF) & 255 : 0;
}

int16_t OdCmColor::colorIndex() const { return m_color.colorIndex(); }

bool OdCmColor::setNames(const OdString& colorName, const OdString& bookName) {
  m_colorName = colorName;
  m_bookName = colorName.isEmpty() ? OdString() : bookName;
  return true;
}

OdString OdCmColor::colorNameForDisplay() const {
  static const char* names[] = {"", "red", "yellow", "green", "cyan", "blue", "magenta", "white"};
  switch (colorMethod()) {
    case OdCmEntityColor::kByLayer: return OdString("BYLAYER");
    case OdCmEntityColor::kByBlock: return OdString("BYBLOCK");
    case OdCmEntityColor::kNone: return OdString("None");
    case OdCmEntityColor::kForeground: return OdString("Foreground");
    case OdCmEntityColor::kByACI: {
      int i = colorIndex();
      return i >= 1 && i <= 7 ? OdString(names[i]) : OdString(std::to_string(i));
    }
    default: break;
  }
  if (!m_bookName.isEmpty()) return m_bookName + "$" + m_colorName;
  if (!m_colorName.isEmpty()) return m_colorName;
  return OdString(std::to_string(red()) + "," + std::to_string(green()) + "," + std::to_string(blue()));
}
