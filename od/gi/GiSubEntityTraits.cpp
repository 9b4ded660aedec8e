#include "GiSubEntityTraits.h"

void OdGiSubEntityTraits::setColor(uint16_t colorIndex) {
  OdCmEntityColor color;
  color.setColorIndex(static_cast<int16_t>(colorIndex));
  setTrueColor(color);
}

uint16_t OdGiSubEntityTraits::color() const { return static_cast<uint16_t>(trueColor().colorIndex()); }
