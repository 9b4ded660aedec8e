#pragma once

#include "HostCanvas.h"

#include <string>

// A canvas that writes an SVG document of width x height pixels, on the
// drawings' background.
class HostSvgCanvas : public HostCanvas {
 public:
  HostSvgCanvas(int width, int height);

  void polyline(const std::vector<OdGePoint2d>& points, const HostPaint& paint) override;
  void polygon(const std::vector<OdGePoint2d>& points, const HostPaint& paint) override;
  void text(const OdGePoint2d& position, const OdGeVector2d& along, const OdGeVector2d& up, double length,
            const OdString& message, const HostPaint& paint) override;

  // The whole document, closed.
  std::string document() const { return m_svg + "</svg>\n"; }

 private:
  void appendPoints(const std::vector<OdGePoint2d>& points);
  // Pixel coordinates, to a hundredth.
  void appendNumber(double value);
  // Scales and the like, to six significant digits.
  void appendFactor(double value);
  void appendColor(const char* attribute, uint32_t rgb);
  void appendOpacity(const char* attribute, uint8_t alpha);

  std::string m_svg;
};
