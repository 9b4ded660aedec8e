#include "ZrGiHighlight.h"

#include "GiWorldDrawImpl.h"

namespace ZrGi {

int zrgiGetHighlightType(OdGiWorldDraw* draw) {
  auto* impl = dynamic_cast<OdGiWorldDrawImpl*>(draw);
  return impl ? impl->highlightType() : 0;
}

void zrgiSetHighlightType(OdGiWorldDraw* draw, int highlightType) {
  if (auto* impl = dynamic_cast<OdGiWorldDrawImpl*>(draw)) impl->setHighlightType(highlightType);
}

}  // namespace ZrGi
