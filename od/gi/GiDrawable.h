#pragma once

#include <cstdint>

class OdRxObject;
class OdGiDrawableTraits;
class OdGiViewportDraw;
class OdGiWorldDraw;

// Whatever can draw itself. worldDraw, viewportDraw and setAttributes are
// what the library and hosts call: they go through the drawable overrules
// that apply (OdGiDrawableOverrule) and end in the drawable's own sub* work.
//
// Not an OdRxObject itself, so that database objects, which are, can also be
// drawables: rxObject() gives the run-time object, whose class decides which
// overrules apply (OdDbEntity::cast(drawable->rxObject())).
class OdGiDrawable {
 public:
  // What setAttributes answers, or-ed.
  enum SetAttributesFlags : uint32_t {
    kDrawableNone = 0,
    kDrawableIsAnEntity = 1,
    kDrawableUsesNesting = 2,
    kDrawableIsCompoundObject = 4,
    kDrawableViewIndependentViewportDraw = 8,
    kDrawableIsInvisible = 16,
  };

  virtual ~OdGiDrawable() = default;

  // Null for a drawable that is no run-time object (no overrules apply to it).
  virtual const OdRxObject* rxObject() const;

  bool worldDraw(OdGiWorldDraw* wd) const;
  void viewportDraw(OdGiViewportDraw* vd) const;
  uint32_t setAttributes(OdGiDrawableTraits* traits) const;

  // The drawable's own work. subWorldDraw answers true when the drawable
  // needs no viewport draw.
  virtual bool subWorldDraw(OdGiWorldDraw* wd) const = 0;
  virtual void subViewportDraw(OdGiViewportDraw*) const {}
  virtual uint32_t subSetAttributes(OdGiDrawableTraits*) const { return kDrawableNone; }
};
