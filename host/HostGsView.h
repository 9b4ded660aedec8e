#pragma once

#include "GeExtents3d.h"
#include "GePoint2d.h"
#include "GeVector2d.h"

// How world points of the XY plane land on a surface of pixels (y down).
struct HostViewTransform {
  double scale = 1;  // pixels per drawing unit
  double offsetX = 0, offsetY = 0;  // the pixel of the world origin

  OdGePoint2d toPixel(const OdGePoint3d& world) const { return {offsetX + world.x * scale, offsetY - world.y * scale}; }
  OdGeVector2d toPixel(const OdGeVector3d& world) const { return {world.x * scale, -world.y * scale}; }
  OdGePoint2d toWorld(const OdGePoint2d& pixel) const {
    return {(pixel.x - offsetX) / scale, (offsetY - pixel.y) / scale};
  }
};

// What part of the drawing a view shows: a rectangle of the XY plane,
// fitted (centred, aspect kept) into whatever surface it is drawn on, so
// a window and an export of another size show the same part.
class HostGsView {
 public:
  const OdGePoint2d& center() const { return m_center; }
  double width() const { return m_width; }
  double height() const { return m_height; }

  // The whole box with a small margin; an invalid box changes nothing.
  void zoomExtents(const OdGeExtents3d& extents);
  // The box last zoomed to whole, so that what is added to a drawing can be
  // taken in without measuring it all again; invalid once zoomed or panned otherwise.
  const OdGeExtents3d& zoomedExtents() const { return m_zoomedExtents; }
  // Magnifies by factor (above 1 closer) keeping the world point under the
  // pixel where it is on a surface of that size.
  void zoom(double factor, const OdGePoint2d& pixel, int surfaceWidth, int surfaceHeight);
  // Moves the drawing with the mouse by so many pixels.
  void pan(double dx, double dy, int surfaceWidth, int surfaceHeight);

  HostViewTransform transform(int surfaceWidth, int surfaceHeight) const;
  // The point of the XY plane under the pixel (a click, the cursor).
  OdGePoint3d worldPoint(const OdGePoint2d& pixel, int surfaceWidth, int surfaceHeight) const {
    OdGePoint2d p = transform(surfaceWidth, surfaceHeight).toWorld(pixel);
    return {p.x, p.y, 0};
  }

 private:
  OdGePoint2d m_center;
  double m_width = 100;
  double m_height = 100;
  OdGeExtents3d m_zoomedExtents;
};
