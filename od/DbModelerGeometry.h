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

// The table entry of the data, for classes that answer modelerData().
template <class T>
const dxf::Custom& odDbModelerGeometryField() {
  static const dxf::Custom handler{
      [](OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
        return static_cast<T*>(obj)->modelerData().read(g, ctx);
      },
      [](const OdDbObject* obj, OdDbDxfFiler* filer) { static_cast<const T*>(obj)->modelerData().write(filer); }};
  return handler;
}
