#pragma once

// A geometry sink for tests: keeps every primitive drawn into it, in world coordinates.

#include "GeExtents3d.h"
#include "GiGeometrySink.h"

#include <string>
#include <vector>

class RecordingSink : public OdGiGeometrySink {
 public:
  using Points = std::vector<OdGePoint3d>;

  std::vector<Points> polylines;
  std::vector<Points> polygons;
  std::vector<std::string> texts;
  OdGeExtents3d extents;  // of the polylines' and polygons' points, and the text positions

  void polyline(const OdGePoint3d* points, int count, const OdGiResolvedTraits&) override {
    polylines.push_back(keep(points, count));
  }
  void polygon(const OdGePoint3d* points, int count, const OdGiResolvedTraits&) override {
    polygons.push_back(keep(points, count));
  }
  void text(const OdGePoint3d& position, const OdGeVector3d&, const OdGeVector3d&, double, const OdString& message,
            const OdGiResolvedTraits&) override {
    extents.addPoint(position);
    texts.push_back(message.utf8());
  }

 private:
  Points keep(const OdGePoint3d* points, int count) {
    Points kept(points, points + count);
    for (const OdGePoint3d& p : kept) extents.addPoint(p);
    return kept;
  }
};
