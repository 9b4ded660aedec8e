#pragma once

#include "GeExtents3d.h"
#include "GiGeometrySink.h"

class OdDbBlockTableRecord;

// Measures what is drawn.
class OdGiExtentsSink : public OdGiGeometrySink {
 public:
  void polyline(const OdGePoint3d* points, int count, const OdGiResolvedTraits&) override { add(points, count); }
  void polygon(const OdGePoint3d* points, int count, const OdGiResolvedTraits&) override { add(points, count); }
  void text(const OdGePoint3d& position, const OdGeVector3d& direction, const OdGeVector3d& up, double widthFactor,
            const OdString& message, const OdGiResolvedTraits&) override;
  const OdGeExtents3d& extents() const { return m_extents; }

 private:
  void add(const OdGePoint3d* points, int count);
  OdGeExtents3d m_extents;
};

// The extents of what a block draws (an extents regeneration); invalid when it draws nothing.
OdGeExtents3d odGiBlockExtents(const OdDbBlockTableRecord* block);
