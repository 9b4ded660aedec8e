#pragma once

#include "GeExtents2d.h"
#include "RxObject.h"

class OdGiGeometry;
class OdGiPathNode;
class OdGiSubEntityTraits;

// Why drawables are being drawn.
enum OdGiRegenType {
  eOdGiRegenTypeInvalid = 0,
  kOdGiStandardDisplay = 2,
  kOdGiHideOrShadeCommand = 3,
  kOdGiRenderCommand = 4,
  kOdGiForExplode = 5,
  kOdGiSaveWorldDrawForProxy = 6,
  kOdGiForExtents = 7,
};

// What world and viewport drawing share: the context a drawable draws itself in.
class OdGiCommonDraw : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdGiCommonDraw);

 public:
  virtual OdGiRegenType regenType() const = 0;
  // True once the drawing should stop (the user cancelled).
  virtual bool regenAbort() const { return false; }
  // The traits of the geometry drawn next.
  virtual OdGiSubEntityTraits& subEntityTraits() const = 0;
  virtual OdGiGeometry& rawGeometry() const = 0;
  // The drawable being drawn and those holding it, innermost first; null when not tracked.
  virtual const OdGiPathNode* currentGiPath() const { return nullptr; }
  // The length of one pixel in the drawable's own coordinates; 0 when the
  // drawing is not for a view (extents, export of geometry).
  virtual double pixelSize() const { return 0; }
  // The part of the drawable's own XY plane that the view shows; false when
  // the drawing is not for a view or that plane is not the view's.
  virtual bool visibleRect(OdGeExtents2d& /*rect*/) const { return false; }
};
