#include "GiDrawable.h"

#include "GiDrawableOverrule.h"

const OdRxObject* OdGiDrawable::rxObject() const { return dynamic_cast<const OdRxObject*>(this); }

bool OdGiDrawable::worldDraw(OdGiWorldDraw* wd) const {
  return OdGiDrawableOverrule::routeWorldDraw(OdRxOverruleRoute::kStart, this, wd);
}

void OdGiDrawable::viewportDraw(OdGiViewportDraw* vd) const {
  OdGiDrawableOverrule::routeViewportDraw(OdRxOverruleRoute::kStart, this, vd);
}

uint32_t OdGiDrawable::setAttributes(OdGiDrawableTraits* traits) const {
  return OdGiDrawableOverrule::routeSetAttributes(OdRxOverruleRoute::kStart, this, traits);
}
