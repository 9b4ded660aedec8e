#pragma once

#include "DbEntity.h"

#include <vector>

// The ACIS data of regions, 3D solids and bodies as DXF files carry it in
// the AcDbModelerGeometry section: the modeler format version (70), the lines
// of the SAT text (1, and 3 continuing a long line) and, in newer files, a
// flag and an identifier (290, 2) instead. Kept as read, in order.
class OdDbModelerGeometryData {
 public:
  // The version given by the file (1 when it gives none).
  int16_t version() const;
  // The SAT lines as stored in the file (newer files store them enciphered).
  std::vector<OdString> satLines() const;
  bool isEmpty() const { return m_groups.empty(); }
  const std::vector<dxf::KeptGroup>& groups() const { return m_groups; }
  // Replaces the data with a version and SAT lines.
  void set(int16_t version, const std::vector<OdString>& lines);

  bool read(const dxf::Group& g, dxf::ReadContext& ctx);
  void write(OdDbDxfFiler* filer) const;

 private:
  std::vector<dxf::KeptGroup> m_groups;
};

// What regions, bodies and 3D solids share: their ACIS data and drawing
// none of it. No run-time class of its own, so each keeps OdDbEntity as its
// run-time parent.
class OdDbModelerGeometryEntity : public OdDbEntity {
 public:
  OdDbModelerGeometryData& modelerData() { return m_data; }
  const OdDbModelerGeometryData& modelerData() const { return m_data; }
  bool isNull() const { return m_data.isEmpty(); }
  // Nothing: the geometry is ACIS data, which only a modeler could turn into edges.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

  // The table entry of the data, in each class's AcDbModelerGeometry section.
  static const dxf::Custom& modelerDataField();

 private:
  OdDbModelerGeometryData m_data;
};
