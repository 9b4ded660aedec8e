#pragma once

#include "DbModelerGeometry.h"

// A body: ACIS geometry that is neither a region nor a solid.
class OdDbBody : public OdDbEntity {
  OD_DXF_CLASS(OdDbBody);

 public:
  OdDbBody();

  OdDbModelerGeometryData& modelerData() { return m_data; }
  const OdDbModelerGeometryData& modelerData() const { return m_data; }
  bool isNull() const { return m_data.isEmpty(); }
  // Nothing: the geometry is ACIS data, which only a modeler could turn into edges.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdDbModelerGeometryData m_data;
};
using OdDbBodyPtr = OdSmartPtr<OdDbBody>;
