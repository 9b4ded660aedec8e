#pragma once

#include "OdString.h"

#include <cstdint>


// Colour of an entity as stored: a method in the top byte and an index or
// an RGB value below it.
class OdCmEntityColor {
 public:
  enum ColorMethod : uint8_t {
    kByLayer = 0xC0, kByBlock = 0xC1, kByColor = 0xC2, kByACI = 0xC3, kByPen = 0xC4, kForeground = 0xC5,
    kLayerOff = 0xC6, kLayerFrozen = 0xC7, kNone = 0xC8
  };
  enum ACIcolorMethod : int16_t { kACIbyBlock = 0, kACIforeground = 7, kACIbyLayer = 256, kACInone = 257 };

  OdCmEntityColor() = default;
  explicit OdCmEntityColor(uint32_t rgbm) : m_rgbm(rgbm) {}
  OdCmEntityColor(uint8_t r, uint8_t g, uint8_t b) { setRGB(r, g, b); }

  ColorMethod colorMethod() const { return static_cast<ColorMethod>(m_rgbm >> 24); }
  void setColorMethod(ColorMethod m) { m_rgbm = (m_rgbm & 0x00FFFFFF) | (uint32_t(m) << 24); }
  uint32_t color() const { return m_rgbm; }
  void setColor(uint32_t rgbm) { m_rgbm = rgbm; }
  void setRGB(uint8_t r, uint8_t g, uint8_t b) {
    m_rgbm = (uint32_t(kByColor) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
  }
  void setColorIndex(int16_t index);
  // The index of index colours; 256 by layer, 0 by block, 7 foreground, 257 none.
  int16_t colorIndex() const;
  uint8_t red() const;
  uint8_t green() const;
  uint8_t blue() const;
  bool isByLayer() const { return colorMethod() == kByLayer; }
  bool isByBlock() const { return colorMethod() == kByBlock; }
  bool isByColor() const { return colorMethod() == kByColor; }
  bool isByACI() const { return colorMethod() == kByACI; }
  bool isForeground() const { return colorMethod() == kForeground; }
  bool isNone() const { return colorMethod() == kNone; }

  // The 256-entry colour table of index colours, as 0xRRGGBB.
  static uint32_t indexToRGB(int index);
  static int16_t nearestIndex(uint8_t r, uint8_t g, uint8_t b);

  bool operator==(const OdCmEntityColor& o) const { return m_rgbm == o.m_rgbm; }
  bool operator!=(const OdCmEntityColor& o) const { return m_rgbm != o.m_rgbm; }

 private:
  uint32_t m_rgbm = uint32_t(kByLayer) << 24;
};

// A colour with its optional colour book and name.
class OdCmColor {
 public:
  OdCmColor() = default;
  explicit OdCmColor(OdCmEntityColor::ColorMethod method) { m_color.setColorMethod(method); }
  explicit OdCmColor(const OdCmEntityColor& color) : m_color(color) {}

  OdCmEntityColor::ColorMethod colorMethod() const { return m_color.colorMethod(); }
  void setColorMethod(OdCmEntityColor::ColorMethod m) { m_color.setColorMethod(m); }
  uint32_t color() const { return m_color.color(); }
  void setColor(uint32_t rgbm) { m_color.setColor(rgbm); }
  void setRGB(uint8_t r, uint8_t g, uint8_t b) { m_color.setRGB(r, g, b); }
  void setColorIndex(int16_t index) { m_color.setColorIndex(index); }
  // The index of an index colour; for a true colour the nearest index.
  int16_t colorIndex() const;
  uint8_t red() const { return m_color.red(); }
  uint8_t green() const { return m_color.green(); }
  uint8_t blue() const { return m_color.blue(); }
  bool isByLayer() const { return m_color.isByLayer(); }
  bool isByBlock() const { return m_color.isByBlock(); }
  bool isByColor() const { return m_color.isByColor(); }
  bool isByACI() const { return m_color.isByACI(); }
  bool isForeground() const { return m_color.isForeground(); }
  bool isNone() const { return m_color.isNone(); }
  const OdCmEntityColor& entityColor() const { return m_color; }

  OdString colorName() const { return m_colorName; }
  OdString bookName() const { return m_bookName; }
  // Sets both names; an empty colour name clears the book too.
  bool setNames(const OdString& colorName, const OdString& bookName = OdString());
  // "BYLAYER", "red", "30", "12,34,56" or "BOOK$NAME": the colour as a user reads it.
  OdString colorNameForDisplay() const;

  bool operator==(const OdCmColor& o) const {
    return m_color == o.m_color && m_colorName == o.m_colorName && m_bookName == o.m_bookName;
  }
  bool operator!=(const OdCmColor& o) const { return !(*this == o); }

 private:
  OdCmEntityColor m_color;
  OdString m_colorName;
  OdString m_bookName;
};

// Transparency as stored: method in the top byte (0 by layer, 1 by block,
// 2 by alpha) and the alpha in the low byte.
class OdCmTransparency {
 public:
  enum transparencyMethod : uint8_t { kByLayer = 0, kByBlock = 1, kByAlpha = 2, kErrorValue = 3 };
  OdCmTransparency() = default;
  explicit OdCmTransparency(uint8_t alpha) : m_value((uint32_t(kByAlpha) << 24) | alpha) {}
  static OdCmTransparency fromSerialized(uint32_t value) { OdCmTransparency t; t.m_value = value; return t; }

  transparencyMethod method() const { return static_cast<transparencyMethod>(m_value >> 24); }
  uint8_t alpha() const { return static_cast<uint8_t>(m_value & 0xFF); }
  void setAlpha(uint8_t alpha) { m_value = (uint32_t(kByAlpha) << 24) | alpha; }
  bool isByLayer() const { return method() == kByLayer; }
  bool isByAlpha() const { return method() == kByAlpha; }
  uint32_t serializeOut() const { return m_value; }
  bool operator==(const OdCmTransparency& o) const { return m_value == o.m_value; }

 private:
  uint32_t m_value = 0;
};
