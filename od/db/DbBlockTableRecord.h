#pragma once

#include "DbEntity.h"
#include "DbSymbolTable.h"
#include "GePoint3d.h"

// A block: model space, a paper space, or a user block, owning its entities.
class OdDbBlockTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbBlockTableRecord);

 public:
  OdDbBlockTableRecord();

  // Adds the entity to the database and to this block.
  OdDbObjectId appendOdDbEntity(OdDbEntity* entity);
  // Takes an entity already in the database (used while reading).
  void attachEntity(OdDbObjectId id) { m_entities.push_back(id); }
  void removeEntity(OdDbObjectId id);
  // The block's entities in drawing order, erased ones included.
  const std::vector<OdDbObjectId>& entityIds() const { return m_entities; }
  int entityCount() const;

  OdDbObjectId getLayoutId() const { return m_layout; }
  void setLayoutId(OdDbObjectId id) { m_layout = id; }
  bool isLayout() const;
  bool isModelSpace() const;
  bool isPaperSpace() const;  // any paper space layout block

  OdGePoint3d origin() const { return m_origin; }
  void setOrigin(const OdGePoint3d& p) { m_origin = p; }
  // BLOCK flags: 1 anonymous, 2 has attributes, 4 external reference, 8 overlaid, 16 dependent, 32 resolved.
  int16_t blockFlags() const { return m_blockFlags; }
  void setBlockFlags(int16_t flags) { m_blockFlags = flags; }
  bool isFromExternalReference() const { return (m_blockFlags & 4) != 0; }
  bool isFromOverlayReference() const { return (m_blockFlags & 8) != 0; }
  bool isAnonymous() const { return (m_blockFlags & 1) != 0; }
  OdString pathName() const { return m_pathName; }
  void setPathName(const OdString& path) { m_pathName = path; }
  OdString comments() const { return m_description; }
  void setComments(const OdString& text) { m_description = text; }

  OdDbObjectId blockBeginId() const { return m_blockBegin; }
  OdDbObjectId blockEndId() const { return m_blockEnd; }
  void setBlockBeginId(OdDbObjectId id) { m_blockBegin = id; }
  void setBlockEndId(OdDbObjectId id) { m_blockEnd = id; }

 private:
  friend class OdDbBlockBegin;
  OdDbObjectId m_layout;
  int16_t m_units = 0;
  int8_t m_explodable = 1;
  int8_t m_scalable = 0;
  OdBinaryData m_preview;
  OdGePoint3d m_origin;
  int16_t m_blockFlags = 0;
  OdString m_pathName;
  OdString m_description;
  OdDbObjectId m_blockBegin;
  OdDbObjectId m_blockEnd;
  std::vector<OdDbObjectId> m_entities;
};
using OdDbBlockTableRecordPtr = OdSmartPtr<OdDbBlockTableRecord>;

// The BLOCK record of a block in a DXF file; its fields are the owning block's.
class OdDbBlockBegin : public OdDbEntity {
  OD_DXF_CLASS(OdDbBlockBegin);

 public:
  OdDbBlockBegin();
  // What a file said of the block, before the block itself is known.
  struct Read {
    OdString name;
    int16_t flags = 0;
    OdGePoint3d origin;
    OdString pathName;
    OdString description;
  };
  const Read& readValues() const { return m_read; }
  void applyTo(OdDbBlockTableRecord* block) const;

 private:
  static bool readBlock(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeBlock(const OdDbObject* obj, OdDbDxfFiler* filer);
  Read m_read;
};

class OdDbBlockEnd : public OdDbEntity {
  OD_DXF_CLASS(OdDbBlockEnd);
};
