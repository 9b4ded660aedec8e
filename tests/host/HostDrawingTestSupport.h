#pragma once

#include "HostCanvas.h"
#include "od/TestDrawing.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Pictures the device made, read back as Qt images.
inline QImage pngOf(const std::string& bytes) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "PNG");
}

inline QRgb backgroundPixel() { return qRgb(kHostBackgroundRgb >> 16, (kHostBackgroundRgb >> 8) & 0xFF, kHostBackgroundRgb & 0xFF); }

// How far apart two colours are, channel by channel at most.
inline int colourDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The colour over the background at an alpha (0..255), as painted.
inline QRgb blendedOverBackground(uint32_t rgb, int alpha) {
  QRgb bg = backgroundPixel();
  auto mix = [&](int over, int under) { return (over * alpha + under * (255 - alpha) + 127) / 255; };
  return qRgb(mix(rgb >> 16, qRed(bg)), mix((rgb >> 8) & 0xFF, qGreen(bg)), mix(rgb & 0xFF, qBlue(bg)));
}

inline int pixelsOtherThanBackground(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += colourDistance(image.pixel(x, y), backgroundPixel()) > 8;
  return count;
}

// Pixels of the colour (within a tolerance, for antialiasing).
inline int pixelsOfColour(const QImage& image, uint32_t rgb, int tolerance = 2) {
  QRgb wanted = qRgb(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += colourDistance(image.pixel(x, y), wanted) <= tolerance;
  return count;
}

// Pixels showing the colour at least half strong over the background: what
// a thin antialiased line of that colour leaves.
inline int pixelsShowingColour(const QImage& image, uint32_t rgb) {
  QRgb bg = backgroundPixel();
  const double d[3] = {double(int(rgb >> 16) - qRed(bg)), double(int((rgb >> 8) & 0xFF) - qGreen(bg)),
                       double(int(rgb & 0xFF) - qBlue(bg))};
  double length2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
  if (length2 < 100) return 0;  // as dark as the background: not to be seen
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QRgb p = image.pixel(x, y);
      const double q[3] = {double(qRed(p) - qRed(bg)), double(qGreen(p) - qGreen(bg)), double(qBlue(p) - qBlue(bg))};
      double t = (q[0] * d[0] + q[1] * d[1] + q[2] * d[2]) / length2;
      if (t < 0.5 || t > 1.05) continue;
      double off = 0;
      for (int i = 0; i < 3; ++i) off = std::max(off, std::abs(q[i] - t * d[i]));
      count += off <= 6;
    }
  return count;
}

inline OdDbLinePtr addLine(OdDbDatabase* db, const OdGePoint3d& a, const OdGePoint3d& b, int16_t colorIndex) {
  OdDbLinePtr line = addLine(modelSpaceOf(db).get(), a, b);
  line->setColorIndex(colorIndex);
  // Wide enough that its middle is the colour itself, not a blend with the background.
  line->setLineWeight(static_cast<OdDb::LineWeight>(211));
  return line;
}
