#include "HostGsView.h"

#include <algorithm>
#include <cmath>

namespace {
// A little room around the drawing, as CAD programs leave.
constexpr double kExtentsMargin = 1.05;
// Zooming stops where doubles lose the drawing.
constexpr double kSmallestSize = 1e-9;
constexpr double kLargestSize = 1e15;
}  // namespace

void HostGsView::zoomExtents(const OdGeExtents3d& extents) {
  if (!extents.isValidExtents()) return;
  m_zoomedExtents = extents;
  double width = extents.maxPoint().x - extents.minPoint().x;
  double height = extents.maxPoint().y - extents.minPoint().y;
  // A point or a straight line still gets a square of its own size around it.
  double size = std::max({width, height, kSmallestSize});
  if (width < size * 1e-6) width = size;
  if (height < size * 1e-6) height = size;
  OdGePoint3d middle = extents.center();
  m_center = {middle.x, middle.y};
  m_width = std::min(width * kExtentsMargin, kLargestSize);
  m_height = std::min(height * kExtentsMargin, kLargestSize);
}

void HostGsView::zoom(double factor, const OdGePoint2d& pixel, int surfaceWidth, int surfaceHeight) {
  if (!(factor > 0) || !std::isfinite(factor)) return;
  factor = std::clamp(factor, std::max(m_width, m_height) / kLargestSize,
                      std::min(m_width, m_height) / kSmallestSize);
  m_zoomedExtents = OdGeExtents3d();
  OdGePoint2d fixed = transform(surfaceWidth, surfaceHeight).toWorld(pixel);
  m_center = {fixed.x + (m_center.x - fixed.x) / factor, fixed.y + (m_center.y - fixed.y) / factor};
  m_width /= factor;
  m_height /= factor;
}

void HostGsView::pan(double dx, double dy, int surfaceWidth, int surfaceHeight) {
  double scale = transform(surfaceWidth, surfaceHeight).scale;
  m_zoomedExtents = OdGeExtents3d();
  m_center = {m_center.x - dx / scale, m_center.y + dy / scale};
}

HostViewTransform HostGsView::transform(int surfaceWidth, int surfaceHeight) const {
  double w = std::max(surfaceWidth, 1), h = std::max(surfaceHeight, 1);
  HostViewTransform t;
  t.scale = std::min(w / m_width, h / m_height);
  t.offsetX = w / 2 - m_center.x * t.scale;
  t.offsetY = h / 2 + m_center.y * t.scale;
  return t;
}
