#pragma once

#include <cstdint>

class OdGiWorldDraw;

namespace ZrGi {

// How a device paints what is drawn under one highlight type
// (IHostVectorizerDeviceExPE::registerHighlightStyle). The host paints in
// the colour with the alpha (255 opaque); the other fields are kept as the
// module gives them.
struct HighlightStyle {
  int32_t kind = 0;
  int32_t options = 0;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t alpha = 255;
  int32_t reserved1 = 0;
  int32_t reserved2 = 0;
};
static_assert(sizeof(HighlightStyle) == 20, "a highlight style is five 32-bit words");

// The highlight type of a draw context (0 for none); contexts that are not
// the library's world drawing have none, and setting it on them does nothing.
int zrgiGetHighlightType(OdGiWorldDraw* draw);
void zrgiSetHighlightType(OdGiWorldDraw* draw, int highlightType);

}  // namespace ZrGi
