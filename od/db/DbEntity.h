#pragma once

#include "CmColor.h"
#include "DbObject.h"
#include "GiDrawable.h"

class OdDbFullSubentPath;

namespace OdDb {
enum LineWeight : int16_t { kLnWtByLayer = -1, kLnWtByBlock = -2, kLnWtByLwDefault = -3 };
enum Visibility { kVisible = 0, kInvisible = 1 };
}

// Base of everything drawn: the properties every entity has.
class OdDbEntity : public OdDbObject, public OdGiDrawable {
  OD_DXF_CLASS(OdDbEntity);

 public:
  OdDbEntity();

  // The block table record that owns this entity.
  OdDbObjectId blockId() const { return ownerId(); }

  OdDbObjectId layerId() const { return m_layer; }
  OdString layer() const;
  void setLayer(OdDbObjectId id) { m_layer = id; }
  // Sets the layer by name; answers false when the database has no such layer.
  bool setLayer(const OdString& name);
  OdDbObjectId linetypeId() const { return m_linetype; }
  OdString linetype() const;
  void setLinetype(OdDbObjectId id) { m_linetype = id; }
  OdCmColor color() const;
  void setColor(const OdCmColor& color);
  OdCmEntityColor entityColor() const { return OdCmEntityColor(m_color); }
  int16_t colorIndex() const { return entityColor().colorIndex(); }
  void setColorIndex(int16_t index);
  double linetypeScale() const { return m_linetypeScale; }
  void setLinetypeScale(double scale) { m_linetypeScale = scale; }
  OdDb::LineWeight lineWeight() const { return static_cast<OdDb::LineWeight>(m_lineweight); }
  void setLineWeight(OdDb::LineWeight lw) { m_lineweight = lw; }
  OdCmTransparency transparency() const { return OdCmTransparency::fromSerialized(static_cast<uint32_t>(m_transparency)); }
  void setTransparency(const OdCmTransparency& t) { m_transparency = static_cast<int32_t>(t.serializeOut()); }
  OdDb::Visibility visibility() const { return m_invisible ? OdDb::kInvisible : OdDb::kVisible; }
  void setVisibility(OdDb::Visibility v) { m_invisible = v == OdDb::kInvisible; }
  bool isInPaperSpace() const { return m_paperSpace; }
  void setInPaperSpace(bool ps) { m_paperSpace = ps; }

  // Layer "0", linetype and colour by layer, from the given database (or the
  // entity's own).
  void setDatabaseDefaults(OdDbDatabase* db = nullptr);

  // Entities written after this one in a DXF file and owned by it (vertices
  // and attributes, ending with a SEQEND).
  virtual std::vector<OdDbObjectId> subentityIds() const { return {}; }
  // Takes an owned entity read after this one; false when it owns none of that kind.
  virtual bool appendSubentity(OdDbObjectId) { return false; }

  // Drawing (worldDraw, viewportDraw, setAttributes of OdGiDrawable) runs the
  // drawable overrules that apply, then these.
  const OdRxObject* rxObject() const override { return this; }
  bool subWorldDraw(OdGiWorldDraw* wd) const override;  // draws nothing
  // The entity's colour, layer, linetype, lineweight and transparency, on sub-entity traits.
  uint32_t subSetAttributes(OdGiDrawableTraits* traits) const override;

  // Runs the highlight overrules that apply, then subHighlight.
  void highlight(bool doIt = true, const OdDbFullSubentPath* subId = nullptr, bool highlightAll = false) const;
  // Records the highlight of the entity, or of the part subId names, in the
  // database's graphics model.
  virtual void subHighlight(bool doIt, const OdDbFullSubentPath* subId, bool highlightAll) const;

 protected:
  // Takes the properties above (layer, linetype, colour, linetype scale,
  // lineweight, transparency, visibility, space) from another entity; for
  // the copyFrom of derived classes.
  void copyEntityPropertiesFrom(const OdDbEntity& other);

 private:
  // The colour as groups 62 and 420 give it, and the index group 62 gets.
  static bool readColor(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeColor(const OdDbObject* obj, OdDbDxfFiler* filer);
  static void copyColor(const OdDbObject* from, OdDbObject* to, dxf::CopyContext& ctx);
  void readColorIndex(int16_t index);
  void readTrueColor(uint32_t rgb);
  int16_t writtenColorIndex() const;

  // Largest first, so that no padding comes between them.
  OdDbObjectId m_layer;
  OdDbObjectId m_linetype;
  double m_linetypeScale;
  uint32_t m_color = uint32_t(OdCmEntityColor::kByLayer) << 24;
  int32_t m_transparency;  // as serialized
  int16_t m_indexOfTrueColor = 0;  // the index a file gave beside a true colour; 0 when none
  int16_t m_lineweight;
  bool m_paperSpace;
  bool m_invisible;
};
using OdDbEntityPtr = OdSmartPtr<OdDbEntity>;

// Entities with a start and an end (lines, arcs, polylines...).
class OdDbCurve : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbCurve);
};
