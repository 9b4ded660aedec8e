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
  // What each primitive of the lists above was drawn with, in the same order.
  std::vector<OdGiResolvedTraits> polylineTraits;
  std::vector<OdGiResolvedTraits> polygonTraits;
  std::vector<OdGiResolvedTraits> textTraits;
  OdGeExtents3d extents;  // of the polylines' and polygons' points, and the text positions

  void polyline(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) override {
    polylines.push_back(keep(points, count));
    polylineTraits.push_back(traits);
  }
  void polygon(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) override {
    polygons.push_back(keep(points, count));
    polygonTraits.push_back(traits);
  }
  void text(const OdGePoint3d& position, const OdGeVector3d&, const OdGeVector3d&, double, const OdString& message,
            const OdGiResolvedTraits& traits) override {
    extents.addPoint(position);
    texts.push_back(message.utf8());
    textTraits.push_back(traits);
  }

 private:
  Points keep(const OdGePoint3d* points, int count) {
    Points kept(points, points + count);
    for (const OdGePoint3d& p : kept) extents.addPoint(p);
    return kept;
  }
};
