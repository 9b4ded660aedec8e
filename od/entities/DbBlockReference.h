#pragma once

#include "DbEntity.h"
#include "GeMatrix3d.h"
#include "GePoint3d.h"
#include "GeScale3d.h"

#include <array>

class OdDbAttribute;

// A reference to a block (INSERT), owning its attributes (ATTRIB records
// written after it, ending in a SEQEND). Angles are given in radians.
class OdDbBlockReference : public OdDbEntity {
  OD_DXF_CLASS(OdDbBlockReference);

 public:
  OdDbBlockReference();

  OdDbObjectId blockTableRecord() const { return m_block; }
  void setBlockTableRecord(OdDbObjectId id) { m_block = id; }
  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { m_position = p; }
  OdGeScale3d scaleFactors() const { return OdGeScale3d(m_xScale, m_yScale, m_zScale); }
  void setScaleFactors(const OdGeScale3d& s);
  double rotation() const;
  void setRotation(double radians);
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }

  // Copies what a block reference is (block, position, scale, rotation,
  // normal, common entity properties) from another block reference or a
  // class derived from it, such as a table; not its attributes. Derived
  // classes that do not copy their own fields refuse, as OdDbObject does.
  void copyFrom(const OdRxObject* source) override;

  // The attributes in file order.
  const std::vector<OdDbObjectId>& attributeIds() const { return m_attributes; }
  // Adds the attribute to the reference's database and makes the reference
  // its owner; a SEQEND to close the list is made when there is none.
  OdDbObjectId appendAttribute(OdDbAttribute* attribute);
  OdDbObjectId seqendId() const { return m_seqEnd; }

  std::vector<OdDbObjectId> subentityIds() const override;
  bool appendSubentity(OdDbObjectId id) override;

  // From the block's coordinates to the world: the block's origin moved to
  // the position, scaled and turned in the reference's plane.
  OdGeMatrix3d blockTransform() const;
  // The block's entities under the block transform, then the attributes.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 protected:
  // The attributes are placed in world coordinates already: no transform.
  void drawAttributes(OdGiWorldDraw* wd) const;

  // The AcDbBlockReference fields up to the rotation, and the normal that
  // ends the section; MINSERT repeats them around its own.
  static std::array<dxf::Field, 7> referenceFields();
  static std::array<dxf::Field, 1> normalFields();
  // Group 66, "attributes follow".
  static const dxf::Custom& attributesFollowField();

 private:
  static bool readAttributesFollow(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeAttributesFollow(const OdDbObject* obj, OdDbDxfFiler* filer);
  static void copyAttributesFollow(const OdDbObject* from, OdDbObject* to, dxf::CopyContext& ctx);

  int16_t m_attributesFollow;
  OdDbObjectId m_block;
  OdGePoint3d m_position;
  double m_xScale;
  double m_yScale;
  double m_zScale;
  double m_rotation;  // degrees, as files hold it
  OdGeVector3d m_normal;
  std::vector<OdDbObjectId> m_attributes;
  OdDbObjectId m_seqEnd;
};
using OdDbBlockReferencePtr = OdSmartPtr<OdDbBlockReference>;
