#pragma once

#include "CmColor.h"
#include "DbObjectId.h"

namespace OdDb {
enum LineWeight : int16_t;  // DbEntity.h
}

// What a drawable sets up before it is drawn (OdGiDrawable::setAttributes).
class OdGiDrawableTraits {
 public:
  virtual ~OdGiDrawableTraits() = default;
};

// The properties the geometry drawn next gets: an entity's colour, layer,
// linetype and so on, which a drawable may change between primitives.
class OdGiSubEntityTraits : public OdGiDrawableTraits {
 public:
  virtual void setTrueColor(const OdCmEntityColor& color) = 0;
  virtual OdCmEntityColor trueColor() const = 0;
  // The colour as an index (256 by layer, 0 by block); through the true colour.
  void setColor(uint16_t colorIndex);
  uint16_t color() const;
  virtual void setLayer(OdDbStub* layerId) = 0;
  virtual OdDbStub* layer() const = 0;
  virtual void setLineType(OdDbStub* linetypeId) = 0;
  virtual OdDbStub* lineType() const = 0;
  virtual void setLineWeight(OdDb::LineWeight lineWeight) = 0;
  virtual OdDb::LineWeight lineWeight() const = 0;
  virtual void setTransparency(const OdCmTransparency& transparency) = 0;
  virtual OdCmTransparency transparency() const = 0;
};
