#pragma once

#include "GiDrawable.h"
#include "RxOverrule.h"

// Takes over the drawing of drawables. Each default passes the call on to
// the next overrule of the chain, or past the last to the drawable's own
// subWorldDraw, subViewportDraw or subSetAttributes; an override draws
// instead, or adds to what the default (called as
// OdGiDrawableOverrule::worldDraw) draws.
class OdGiDrawableOverrule : public OdRxOverrule {
  ODRX_DECLARE_MEMBERS(OdGiDrawableOverrule);

 public:
  virtual bool worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd);
  virtual void viewportDraw(const OdGiDrawable* drawable, OdGiViewportDraw* vd);
  virtual uint32_t setAttributes(const OdGiDrawable* drawable, OdGiDrawableTraits* traits);

 private:
  friend class OdGiDrawable;
  static bool routeWorldDraw(OdRxOverruleRoute route, const OdGiDrawable* drawable, OdGiWorldDraw* wd);
  static void routeViewportDraw(OdRxOverruleRoute route, const OdGiDrawable* drawable, OdGiViewportDraw* vd);
  static uint32_t routeSetAttributes(OdRxOverruleRoute route, const OdGiDrawable* drawable,
                                     OdGiDrawableTraits* traits);
};
