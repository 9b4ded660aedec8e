#pragma once

#include "DbEntity.h"
#include "DxfGroupList.h"
#include "GePoint2d.h"
#include "GePoint3d.h"
#include "GeVector2d.h"

// A hatch (HATCH): an area bounded by loops, filled solid, with a gradient
// or with a pattern of lines. Loop geometry is in the hatch's plane
// (object coordinates at its elevation).
class OdDbHatch : public OdDbEntity {
  OD_DXF_CLASS(OdDbHatch);

 public:
  enum HatchPatternType : int16_t { kUserDefined = 0, kPreDefined = 1, kCustomDefined = 2 };
  enum HatchStyle : int16_t { kNormal = 0, kOuter = 1, kIgnore = 2 };
  // Loop flags (group 92).
  enum HatchLoopType : int32_t {
    kDefault = 0, kExternal = 1, kPolyline = 2, kDerived = 4, kTextbox = 8, kOutermost = 16, kNotClosed = 32,
    kSelfIntersecting = 64, kTextIsland = 128, kDuplicate = 256
  };
  enum EdgeType : int16_t { kLine = 1, kCirArc = 2, kEllArc = 3, kSpline = 4 };

  // One edge of an edge loop. Angles of arcs and ellipses (parameters for
  // ellipses) are in degrees as files hold them: clockwise edges hold
  // 360 minus the angle. startRadians and endRadians give the angles the
  // edge really runs between, in its direction.
  struct Edge {
    EdgeType type = kLine;
    OdGePoint2d start, end;       // line
    OdGePoint2d center;           // arc, ellipse
    double radius = 0;            // arc
    OdGeVector2d majorAxis;       // ellipse: end of the major axis from the centre
    double minorRatio = 1;        // ellipse: minor to major axis
    double startAngle = 0, endAngle = 360;
    bool counterClockwise = true;
    int32_t degree = 3;           // spline
    bool rational = false, periodic = false;
    std::vector<double> knots;
    std::vector<OdGePoint2d> controlPoints;
    std::vector<double> weights;  // rational splines, one per control point
    std::vector<OdGePoint2d> fitPoints;
    OdGeVector2d startTangent, endTangent;
    bool hasStartTangent = false, hasEndTangent = false;
    bool fitCountRead = false;    // while reading: the spline's own 97 came
    double startRadians() const;
    double endRadians() const;
  };

  // A boundary loop: a polyline with bulges, or a chain of edges.
  struct Loop {
    int32_t type = kDefault;
    bool hasBulges = false, closed = true;  // polyline loops
    std::vector<OdGePoint2d> vertices;
    std::vector<double> bulges;             // one per vertex
    std::vector<Edge> edges;                // edge loops
    std::vector<OdDbObjectId> sourceIds;    // the entities the loop was made from
    bool isPolyline() const { return (type & kPolyline) != 0; }
  };

  // One line family of a pattern; the angle in degrees.
  struct PatternLine {
    double angle = 0;
    OdGePoint2d base;
    OdGeVector2d offset;
    std::vector<double> dashes;
  };

  struct GradientColor {
    double value = 0;
    int16_t colorIndex = 0;
    int32_t rgb = 0;  // 0xRRGGBB
    bool hasIndex = false, hasRgb = false;
  };

  OdDbHatch();

  OdString patternName() const { return m_patternName; }
  HatchPatternType patternType() const { return static_cast<HatchPatternType>(m_patternType); }
  void setPattern(HatchPatternType type, const OdString& name);
  bool isSolidFill() const { return m_solidFill != 0; }
  void setSolidFill(bool on);
  bool associative() const { return m_associative != 0; }
  void setAssociative(bool on) { m_associative = on ? 1 : 0; }
  HatchStyle hatchStyle() const { return static_cast<HatchStyle>(m_style); }
  void setHatchStyle(HatchStyle s) { m_style = s; }
  double patternAngle() const;
  void setPatternAngle(double radians);
  double patternScale() const { return m_patternScale; }
  void setPatternScale(double s) { m_patternScale = s; }
  bool patternDouble() const { return m_patternDouble != 0; }
  void setPatternDouble(bool on) { m_patternDouble = on ? 1 : 0; }
  double elevation() const { return m_elevation.z; }
  void setElevation(double z) { m_elevation = OdGePoint3d(0, 0, z); }
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& n) { m_normal = n; }

  int numLoops() const { return static_cast<int>(m_loops.size()); }
  int32_t loopTypeAt(int i) const { return m_loops.at(static_cast<size_t>(i)).type; }
  const Loop& loopAt(int i) const { return m_loops.at(static_cast<size_t>(i)); }
  const std::vector<Loop>& loops() const { return m_loops; }
  // A loop as a chain of edges: polyline loops become lines and arcs
  // (from their bulges), closed back to their first vertex.
  std::vector<Edge> loopEdges(int i) const;
  void appendLoop(int32_t type, const std::vector<OdGePoint2d>& vertices, const std::vector<double>& bulges);
  void appendLoop(int32_t type, const std::vector<Edge>& edges);
  void removeLoopAt(int i) { m_loops.erase(m_loops.begin() + i); }

  const std::vector<PatternLine>& patternLines() const { return m_patternLines; }
  void setPatternLines(const std::vector<PatternLine>& lines);
  const std::vector<OdGePoint2d>& seedPoints() const { return m_seeds; }
  void setSeedPoints(const std::vector<OdGePoint2d>& seeds) { m_seeds = seeds; }

  bool isGradient() const { return m_hasGradient && m_gradientType != 0; }
  OdString gradientName() const { return m_gradientName; }
  double gradientAngle() const { return m_gradientAngle; }  // radians, as files hold it
  double gradientShift() const { return m_gradientShift; }
  bool gradientOneColorMode() const { return m_gradientOneColor != 0; }
  double shadeTintValue() const { return m_gradientTint; }
  const std::vector<GradientColor>& gradientColors() const { return m_gradientColors; }

  // Solid fills and gradients as filled loops (a gradient in its first
  // colour), patterns as their lines inside the loops; then the loops' outlines.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  enum class Phase : uint8_t { Header, Paths, Sources, Tail, PatternLines, Seeds };

  static bool readBody(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeBody(const OdDbObject* obj, OdDbDxfFiler* filer);
  bool readPathGroup(const dxf::Group& g, dxf::ReadContext& ctx);
  bool readPatternLineGroup(const dxf::Group& g);
  bool readTailGroup(const dxf::Group& g, dxf::ReadContext& ctx);

  OdGePoint3d m_elevation;
  OdGeVector3d m_normal;
  OdString m_patternName;
  int16_t m_solidFill;
  int16_t m_associative;
  // From here on written by writeBody, with their defaults here.
  std::vector<Loop> m_loops;
  int16_t m_style = kNormal;
  int16_t m_patternType = kPreDefined;
  double m_patternAngle = 0;  // degrees, as files hold it
  double m_patternScale = 1;
  int16_t m_patternDouble = 0;
  bool m_hasPatternData = false;  // solid fills have pattern groups only when a file gave them
  std::vector<PatternLine> m_patternLines;
  bool m_hasPixelSize = false;
  double m_pixelSize = 0;
  std::vector<OdGePoint2d> m_seeds;
  bool m_hasGradient = false;
  int32_t m_gradientType = 0;
  int32_t m_gradientReserved = 0;
  double m_gradientAngle = 0;
  double m_gradientShift = 0;
  int32_t m_gradientOneColor = 0;
  double m_gradientTint = 0;
  std::vector<GradientColor> m_gradientColors;
  OdString m_gradientName;
  dxf::GroupList m_extra;  // groups after the loops that no field takes, in order
  Phase m_phase = Phase::Header;  // where reading is
};
using OdDbHatchPtr = OdSmartPtr<OdDbHatch>;
