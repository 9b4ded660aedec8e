#pragma once

#include "DbModelerGeometry.h"

// A region: a bounded planar area, as ACIS data.
class OdDbRegion : public OdDbEntity {
  OD_DXF_CLASS(OdDbRegion);

 public:
  OdDbRegion();

  OdDbModelerGeometryData& modelerData() { return m_data; }
  const OdDbModelerGeometryData& modelerData() const { return m_data; }
  bool isNull() const { return m_data.isEmpty(); }
  // Nothing: the geometry is ACIS data, which only a modeler could turn into edges.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  OdDbModelerGeometryData m_data;
};
using OdDbRegionPtr = OdSmartPtr<OdDbRegion>;
