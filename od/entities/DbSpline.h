#pragma once

#include "DbEntity.h"
#include "GePoint3d.h"

#include <vector>

// A NURBS curve in world coordinates: degree, knots, control points with
// optional weights, and the fit points (with end tangents) it was made from.
class OdDbSpline : public OdDbCurve {
  OD_DXF_CLASS(OdDbSpline);

 public:
  OdDbSpline();

  enum Flags { kClosed = 1, kPeriodic = 2, kRational = 4, kPlanar = 8, kLinear = 16 };
  int16_t flags() const { return m_flags; }
  void setFlags(int16_t flags) { m_flags = flags; }
  bool isClosed() const { return (m_flags & kClosed) != 0; }
  bool isPeriodic() const { return (m_flags & kPeriodic) != 0; }
  bool isRational() const { return (m_flags & kRational) != 0; }
  bool isPlanar() const { return (m_flags & kPlanar) != 0; }
  bool isLinear() const { return (m_flags & kLinear) != 0; }
  int degree() const { return m_degree; }
  void setDegree(int degree) { m_degree = static_cast<int16_t>(degree); }
  // The plane's normal; files carry it for planar splines only.
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }

  const std::vector<double>& knots() const { return m_knots; }
  // One weight per control point for rational splines; empty otherwise.
  const std::vector<double>& weights() const { return m_weights; }
  const std::vector<OdGePoint3d>& controlPoints() const { return m_controlPoints; }
  const std::vector<OdGePoint3d>& fitPoints() const { return m_fitPoints; }
  int numKnots() const { return static_cast<int>(m_knots.size()); }
  int numControlPoints() const { return static_cast<int>(m_controlPoints.size()); }
  int numFitPoints() const { return static_cast<int>(m_fitPoints.size()); }
  bool hasFitData() const { return !m_fitPoints.empty(); }
  OdGePoint3d controlPointAt(int index) const;
  OdGePoint3d fitPointAt(int index) const;
  double weightAt(int index) const;
  // Sets the NURBS data; weights empty for a non-rational spline.
  void setNurbsData(int degree, bool rational, bool closed, bool periodic, const std::vector<OdGePoint3d>& controlPoints,
                    const std::vector<double>& knots, const std::vector<double>& weights = {});
  void setFitData(const std::vector<OdGePoint3d>& fitPoints, const OdGeVector3d& startTangent,
                  const OdGeVector3d& endTangent);
  // Zero vectors when the file gives none.
  OdGeVector3d startTangent() const { return m_startTangent; }
  OdGeVector3d endTangent() const { return m_endTangent; }
  double knotTolerance() const { return m_knotTolerance; }
  double controlPointTolerance() const { return m_controlTolerance; }
  double fitTolerance() const { return m_fitTolerance; }
  void setFitTolerance(double t) { m_fitTolerance = t; }
  OdGePoint3d startPoint() const;
  OdGePoint3d endPoint() const;
  // A polyline through points of the curve, evenly spaced in each knot span;
  // through the fit points when there are no control points.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  static bool readNormal(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeNormal(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool readCounts(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeCounts(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool readFitTolerance(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeFitTolerance(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool readData(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeData(const OdDbObject* obj, OdDbDxfFiler* filer);
  std::vector<OdGePoint3d> curvePoints() const;

  OdGeVector3d m_normal;
  int16_t m_flags;
  int16_t m_degree;
  double m_knotTolerance;
  double m_controlTolerance;
  double m_fitTolerance;
  OdGeVector3d m_startTangent;
  OdGeVector3d m_endTangent;
  std::vector<double> m_knots;
  std::vector<double> m_weights;
  std::vector<OdGePoint3d> m_controlPoints;
  std::vector<OdGePoint3d> m_fitPoints;
};
using OdDbSplinePtr = OdSmartPtr<OdDbSpline>;
