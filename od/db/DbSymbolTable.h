#pragma once

#include "DbObject.h"

#include <unordered_map>

class OdDbSymbolTableRecord;

// A table of named records (layers, linetypes, blocks...). Names are unique
// without regard to case.
class OdDbSymbolTable : public OdDbObject {
  OD_DXF_CLASS(OdDbSymbolTable);

 public:
  OdDbSymbolTable();

  bool has(const OdString& name) const { return !getAt(name).isNull(); }
  OdDbObjectId getAt(const OdString& name) const;
  // Adds a record not yet in the database; its name must be free.
  OdDbObjectId add(OdDbSymbolTableRecord* record);
  // Takes a record that is already in the database (used while reading).
  void attach(OdDbObjectId recordId, const OdString& name);
  // Called by a record whose name changes.
  void rename(OdDbObjectId recordId, const OdString& oldName, const OdString& newName);
  const std::vector<OdDbObjectId>& records() const { return m_records; }
  OdString dxfRecordName() const override { return m_tableName; }
  void setTableName(const OdString& name) { m_tableName = name; }

 private:
  static void writeCount(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool skipCount(OdDbObject*, const dxf::Group& g, dxf::ReadContext&) { return g.code == 70; }
  static OdString key(const OdString& name) { return name.upper(); }

  OdString m_tableName;
  std::vector<OdDbObjectId> m_records;
  std::unordered_map<OdString, OdDbObjectId> m_byName;
};
using OdDbSymbolTablePtr = OdSmartPtr<OdDbSymbolTable>;

// Base of the records of a symbol table: a name and flags.
class OdDbSymbolTableRecord : public OdDbObject {
  OD_DXF_CLASS(OdDbSymbolTableRecord);

 public:
  const OdString& getName() const { return m_name; }
  void setName(const OdString& name);
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t flags) { m_flags = flags; }
  // Depends on an external reference ("XREF|name").
  bool isDependent() const { return (m_flags & 16) != 0; }
  bool isResolved() const { return (m_flags & 32) != 0; }

 protected:
  OdString m_name;
  int16_t m_flags = 0;
};
using OdDbSymbolTableRecordPtr = OdSmartPtr<OdDbSymbolTableRecord>;


class OdDbLayerTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbLayerTableRecord);

 public:
  OdDbLayerTableRecord();
  // A layer that is off stores its colour index negated.
  bool isOff() const { return m_colorIndex < 0; }
  void setIsOff(bool off);
  bool isFrozen() const { return (m_flags & 1) != 0; }
  bool isLocked() const { return (m_flags & 4) != 0; }
  int16_t colorIndex() const { return m_colorIndex < 0 ? static_cast<int16_t>(-m_colorIndex) : m_colorIndex; }
  void setColorIndex(int16_t index) { m_colorIndex = isOff() ? static_cast<int16_t>(-index) : index; }
  // 0 when the layer has no true colour.
  int32_t trueColor() const { return m_trueColor; }
  void setTrueColor(int32_t rgb) { m_trueColor = rgb; }
  OdDbObjectId linetypeObjectId() const { return m_linetype; }
  void setLinetypeObjectId(OdDbObjectId id) { m_linetype = id; }
  int16_t lineWeight() const { return m_lineweight; }
  void setLineWeight(int16_t lw) { m_lineweight = lw; }
  bool isPlottable() const { return m_plot; }

 private:
  int16_t m_colorIndex = 7;
  int32_t m_trueColor = 0;
  OdDbObjectId m_linetype;
  bool m_plot = true;
  int16_t m_lineweight = -3;
  OdDbObjectId m_plotStyle;
  OdDbObjectId m_material;
};

class OdDbLinetypeTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbLinetypeTableRecord);

 public:
  OdDbLinetypeTableRecord();
  struct Dash {
    double length = 0;
    int16_t shapeFlags = 0;  // 74: 0 plain dash; 2 text, 4 shape
    std::vector<dxf::KeptGroup> shape;  // shape or text groups of a complex dash
  };
  const OdString& comments() const { return m_description; }
  double patternLength() const { return m_patternLength; }
  const std::vector<Dash>& dashes() const { return m_dashes; }
  void setDashes(std::vector<Dash> dashes, double patternLength);

 private:
  static bool readPattern(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writePattern(const OdDbObject* obj, OdDbDxfFiler* filer);

  OdString m_description;
  int16_t m_alignment = 65;
  double m_patternLength = 0;
  std::vector<Dash> m_dashes;
};

class OdDbTextStyleTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbTextStyleTableRecord);

 public:
  OdDbTextStyleTableRecord();
  double textSize() const { return m_textSize; }
  double xScale() const { return m_widthFactor; }
  double obliquingAngle() const { return m_oblique; }
  const OdString& fileName() const { return m_font; }
  const OdString& bigFontFileName() const { return m_bigFont; }
  bool isShapeFile() const { return (m_flags & 1) != 0; }

 private:
  double m_textSize = 0;
  double m_widthFactor = 1;
  double m_oblique = 0;
  int16_t m_generation = 0;
  double m_lastHeight = 2.5;
  OdString m_font;
  OdString m_bigFont;
};

// Records whose fields other than name and flags are kept as read.
class OdDbDimStyleTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbDimStyleTableRecord);

 public:
  int dxfHandleCode() const override { return 105; }
};
class OdDbRegAppTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbRegAppTableRecord);
};
class OdDbViewTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbViewTableRecord);
};
class OdDbUCSTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbUCSTableRecord);
};
class OdDbViewportTableRecord : public OdDbSymbolTableRecord {
  OD_DXF_CLASS(OdDbViewportTableRecord);
};

using OdDbLayerTableRecordPtr = OdSmartPtr<OdDbLayerTableRecord>;
using OdDbLinetypeTableRecordPtr = OdSmartPtr<OdDbLinetypeTableRecord>;
using OdDbTextStyleTableRecordPtr = OdSmartPtr<OdDbTextStyleTableRecord>;
