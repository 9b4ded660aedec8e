#include "GiDrawableOverrule.h"

ODRX_DEFINE_NAMED(OdGiDrawableOverrule, "OdGiDrawableOverrule", OdRxOverrule, "", nullptr)

bool OdGiDrawableOverrule::worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd) {
  return routeWorldDraw(OdRxOverruleRoute::kNext, drawable, wd);
}

void OdGiDrawableOverrule::viewportDraw(const OdGiDrawable* drawable, OdGiViewportDraw* vd) {
  routeViewportDraw(OdRxOverruleRoute::kNext, drawable, vd);
}

uint32_t OdGiDrawableOverrule::setAttributes(const OdGiDrawable* drawable, OdGiDrawableTraits* traits) {
  return routeSetAttributes(OdRxOverruleRoute::kNext, drawable, traits);
}

bool OdGiDrawableOverrule::routeWorldDraw(OdRxOverruleRoute route, const OdGiDrawable* drawable, OdGiWorldDraw* wd) {
  if (!drawable) return false;
  return odrxRouteOverrule<OdGiDrawableOverrule>(
      route, drawable->rxObject(), [&](OdGiDrawableOverrule* o) { return o->worldDraw(drawable, wd); },
      [&] { return drawable->subWorldDraw(wd); });
}

void OdGiDrawableOverrule::routeViewportDraw(OdRxOverruleRoute route, const OdGiDrawable* drawable,
                                             OdGiViewportDraw* vd) {
  if (!drawable) return;
  odrxRouteOverrule<OdGiDrawableOverrule>(
      route, drawable->rxObject(), [&](OdGiDrawableOverrule* o) { o->viewportDraw(drawable, vd); },
      [&] { drawable->subViewportDraw(vd); });
}

uint32_t OdGiDrawableOverrule::routeSetAttributes(OdRxOverruleRoute route, const OdGiDrawable* drawable,
                                                  OdGiDrawableTraits* traits) {
  if (!drawable) return OdGiDrawable::kDrawableNone;
  return odrxRouteOverrule<OdGiDrawableOverrule>(
      route, drawable->rxObject(), [&](OdGiDrawableOverrule* o) { return o->setAttributes(drawable, traits); },
      [&] { return drawable->subSetAttributes(traits); });
}
