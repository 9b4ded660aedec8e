#pragma once

#include "DbModelerGeometry.h"

// A 3D solid, as ACIS data, with the history of how it was made.
class OdDb3dSolid : public OdDbModelerGeometryEntity {
  OD_DXF_CLASS(OdDb3dSolid);

 public:
  OdDb3dSolid();

  OdDbObjectId historyId() const { return m_history; }
  void setHistoryId(OdDbObjectId id) { m_history = id; }

 private:
  OdDbObjectId m_history;
};
using OdDb3dSolidPtr = OdSmartPtr<OdDb3dSolid>;
