#pragma once

#include "DbDimension.h"

// The length of an arc (ARC_DIMENSION).
class OdDbArcDimension : public OdDbDimension {
  OD_DXF_CLASS(OdDbArcDimension);

 public:
  OdDbArcDimension();

  OdGePoint3d arcPoint() const { return m_defPoint; }
  void setArcPoint(const OdGePoint3d& p) { m_defPoint = p; }
  OdGePoint3d xLine1Point() const { return m_xLine1; }
  void setXLine1Point(const OdGePoint3d& p) { m_xLine1 = p; }
  OdGePoint3d xLine2Point() const { return m_xLine2; }
  void setXLine2Point(const OdGePoint3d& p) { m_xLine2 = p; }
  OdGePoint3d centerPoint() const { return m_center; }
  void setCenterPoint(const OdGePoint3d& p) { m_center = p; }
  // Whether the dimension covers part of the arc only, from the start to the end parameter.
  bool isPartial() const { return m_partial != 0; }
  void setIsPartial(bool on) { m_partial = on ? 1 : 0; }
  double arcStartParam() const { return m_startParam; }
  void setArcStartParam(double p) { m_startParam = p; }
  double arcEndParam() const { return m_endParam; }
  void setArcEndParam(double p) { m_endParam = p; }
  bool hasLeader() const { return m_hasLeader != 0; }
  void setHasLeader(bool on) { m_hasLeader = on ? 1 : 0; }
  OdGePoint3d leader1Point() const { return m_leader1; }
  void setLeader1Point(const OdGePoint3d& p) { m_leader1 = p; }
  OdGePoint3d leader2Point() const { return m_leader2; }
  void setLeader2Point(const OdGePoint3d& p) { m_leader2 = p; }

 private:
  OdGePoint3d m_xLine1;
  OdGePoint3d m_xLine2;
  OdGePoint3d m_center;
  int16_t m_partial;
  double m_startParam;
  double m_endParam;
  int16_t m_hasLeader;
  OdGePoint3d m_leader1;
  OdGePoint3d m_leader2;
};
using OdDbArcDimensionPtr = OdSmartPtr<OdDbArcDimension>;
