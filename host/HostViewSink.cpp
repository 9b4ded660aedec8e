#include "HostViewSink.h"

#include "GiTextFormat.h"

#include <algorithm>
#include <cmath>

namespace {
// Lineweights in hundredths of a millimetre, shown at 96 pixels an inch.
constexpr double kPixelsPerLineweightUnit = 96.0 / 25.4 / 100.0;
constexpr int kDefaultLineweight = 25;
// Text smaller than this many pixels cannot be read; it is left out.
constexpr double kSmallestTextPixels = 1.0;

double lineWidthOf(OdDb::LineWeight lineWeight) {
  int hundredths = lineWeight < 0 ? kDefaultLineweight : static_cast<int>(lineWeight);
  return std::max(1.0, hundredths * kPixelsPerLineweightUnit);
}

double lengthOf(const OdGeVector2d& v) { return std::hypot(v.x, v.y); }
}  // namespace

HostViewSink::HostViewSink(const HostViewTransform& transform, int width, int height,
                           const HostHighlightStyles& styles, HostCanvas& canvas)
    : m_transform(transform), m_width(width), m_height(height), m_styles(styles), m_canvas(canvas) {}

HostPaint HostViewSink::paintOf(const OdGiResolvedTraits& traits) const {
  HostPaint paint;
  paint.rgb = traits.rgb;
  paint.alpha = traits.alpha;
  paint.lineWidth = lineWidthOf(traits.lineWeight);
  if (traits.highlightType == 0) return paint;
  auto style = m_styles.find(traits.highlightType);
  if (style == m_styles.end()) return paint;
  const ZrGi::HighlightStyle& s = style->second;
  paint.rgb = (uint32_t(s.red) << 16) | (uint32_t(s.green) << 8) | s.blue;
  paint.alpha = static_cast<uint8_t>((unsigned(s.alpha) * traits.alpha + 127) / 255);
  return paint;
}

std::vector<OdGePoint2d> HostViewSink::toPixels(const OdGePoint3d* points, int count) const {
  std::vector<OdGePoint2d> pixels;
  pixels.reserve(std::max(count, 0));
  for (int i = 0; i < count; ++i) pixels.push_back(m_transform.toPixel(points[i]));
  return pixels;
}

bool HostViewSink::isOutside(const std::vector<OdGePoint2d>& pixels, double margin) const {
  auto [minX, maxX] = std::minmax_element(pixels.begin(), pixels.end(),
                                          [](const OdGePoint2d& a, const OdGePoint2d& b) { return a.x < b.x; });
  auto [minY, maxY] = std::minmax_element(pixels.begin(), pixels.end(),
                                          [](const OdGePoint2d& a, const OdGePoint2d& b) { return a.y < b.y; });
  return maxX->x < -margin || minX->x > m_width + margin || maxY->y < -margin || minY->y > m_height + margin;
}

void HostViewSink::polyline(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) {
  if (count < 1) return;
  std::vector<OdGePoint2d> pixels = toPixels(points, count);
  HostPaint paint = paintOf(traits);
  if (isOutside(pixels, paint.lineWidth)) return;
  m_canvas.polyline(pixels, paint);
}

void HostViewSink::polygon(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) {
  if (count < 3) return;
  std::vector<OdGePoint2d> pixels = toPixels(points, count);
  if (isOutside(pixels, 0)) return;
  m_canvas.polygon(pixels, paintOf(traits));
}

void HostViewSink::text(const OdGePoint3d& position, const OdGeVector3d& direction, const OdGeVector3d& up,
                        double widthFactor, const OdString& message, const OdGiResolvedTraits& traits) {
  OdGeVector2d upPixels = m_transform.toPixel(up);
  if (message.isEmpty() || lengthOf(upPixels) < kSmallestTextPixels) return;
  // As long as the library takes it to be, so that aligned text ends where its extents say.
  double length = odGiEstimatedTextLength(message, direction.length(), widthFactor) * m_transform.scale;
  OdGePoint2d start = m_transform.toPixel(position);
  OdGeVector2d along = m_transform.toPixel(direction);
  double reach = length + lengthOf(upPixels);
  const std::vector<OdGePoint2d> box = {start};
  if (isOutside(box, reach)) return;
  m_canvas.text(start, along, upPixels, length, message, paintOf(traits));
}
