#pragma once

#include "DbModelerGeometry.h"

// A 3D solid, as ACIS data, with the history of how it was made.
class OdDb3dSolid : public OdDbEntity {
  OD_DXF_CLASS(OdDb3dSolid);

 public:
  OdDb3dSolid();

  OdDbModelerGeometryData& modelerData() { return m_data; }
  const OdDbModelerGeometryData& modelerData() const { return m_data; }
  bool isNull() const { return m_data.isEmpty(); }
  // Nothing: the geometry is ACIS data, which only a modeler could turn into edges.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;
  OdDbObjectId historyId() const { return m_history; }
  void setHistoryId(OdDbObjectId id) { m_history = id; }

 private:
  OdDbModelerGeometryData m_data;
  OdDbObjectId m_history;
};
using OdDb3dSolidPtr = OdSmartPtr<OdDb3dSolid>;
