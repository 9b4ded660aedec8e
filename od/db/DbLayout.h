#pragma once

#include "DbObject.h"
#include "GePoint2d.h"
#include "GePoint3d.h"

// A model or paper space layout, tied to its block table record. Its plot
// settings are kept as read.
class OdDbLayout : public OdDbObject {
  OD_DXF_CLASS(OdDbLayout);

 public:
  OdDbLayout();
  const OdString& getLayoutName() const { return m_name; }
  void setLayoutName(const OdString& name) { m_name = name; }
  int16_t getTabOrder() const { return m_tabOrder; }
  void setTabOrder(int16_t order) { m_tabOrder = order; }
  OdDbObjectId getBlockTableRecordId() const { return m_block; }
  void setBlockTableRecordId(OdDbObjectId id) { m_block = id; }

 private:
  OdString m_name;
  int16_t m_flags = 1;
  int16_t m_tabOrder = 0;
  OdGePoint2d m_limMin, m_limMax;
  OdGePoint3d m_insBase, m_extMin, m_extMax;
  double m_elevation = 0;
  OdGePoint3d m_ucsOrigin;
  OdGeVector3d m_ucsX, m_ucsY;
  int16_t m_ucsType = 1;
  OdDbObjectId m_block;
  OdDbObjectId m_lastViewport;
  OdDbObjectId m_ucs;
  OdDbObjectId m_baseUcs;
};
using OdDbLayoutPtr = OdSmartPtr<OdDbLayout>;
