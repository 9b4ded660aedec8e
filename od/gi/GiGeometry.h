#pragma once

#include "GePoint3d.h"
#include "GeVector3d.h"
#include "GiPathNode.h"
#include "OdString.h"

#include <cstdint>

class OdGeMatrix3d;
class OdGiDrawable;

enum OdGiArcType { kOdGiArcSimple = 0, kOdGiArcSector = 1, kOdGiArcChord = 2 };

// The primitives a drawable draws itself with, in world coordinates.
class OdGiGeometry {
 public:
  virtual ~OdGiGeometry() = default;

  virtual void circle(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) = 0;
  // From center + startVector (its length is ignored) counter-clockwise about normal by sweepAngle.
  virtual void circularArc(const OdGePoint3d& center, double radius, const OdGeVector3d& normal,
                           const OdGeVector3d& startVector, double sweepAngle,
                           OdGiArcType arcType = kOdGiArcSimple) = 0;
  // Open; baseSubEntMarker numbers the segments from it when not -1.
  virtual void polyline(int32_t numVertices, const OdGePoint3d* vertexList, const OdGeVector3d* normal = nullptr,
                        OdGsMarker baseSubEntMarker = -1) = 0;
  // Closed and filled by the even-odd rule.
  virtual void polygon(int32_t numVertices, const OdGePoint3d* vertexList) = 0;
  // width is the width factor; oblique the slant angle in radians.
  virtual void text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
                    double height, double width, double oblique, const OdString& message) = 0;
  // Geometry drawn until the matching pop is transformed by this, after the
  // transforms pushed before. Contexts that draw nested entities override these
  // three; a context that only records primitives may ignore them.
  virtual void pushModelTransform(const OdGeMatrix3d&) {}
  virtual void popModelTransform() {}
  // Draws a drawable nested in the one being drawn (an entity of a block), with
  // the drawable being drawn on its path.
  virtual void draw(const OdGiDrawable*) {}
};

// Geometry of a world draw: the same in every viewport.
class OdGiWorldGeometry : public OdGiGeometry {};

// Geometry of a viewport draw: for one viewport.
class OdGiViewportGeometry : public OdGiGeometry {};
