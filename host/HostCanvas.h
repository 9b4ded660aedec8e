#pragma once

#include "GePoint2d.h"
#include "GeVector2d.h"
#include "OdString.h"

#include <cstdint>
#include <vector>

// Drawings are shown on a dark background, as in CAD programs, on screen and
// in exports alike, so that colour 7 (white) reads the same everywhere.
inline constexpr uint32_t kHostBackgroundRgb = 0x212830;

// Text is set in a fixed-pitch font, every character as wide as the next,
// as the library estimates text lengths; canvases stretch each line to the
// library's length.
inline constexpr const char* kHostTextFontFamily = "DejaVu Sans Mono";
// That font's capital height and advance per em, where a canvas cannot measure them.
inline constexpr double kHostTextCapHeightPerEm = 0.729;
inline constexpr double kHostTextAdvancePerEm = 0.602;

// How one primitive is painted, highlight styles already applied.
struct HostPaint {
  uint32_t rgb = 0xFFFFFF;  // 0xRRGGBB
  uint8_t alpha = 255;      // 255 opaque
  double lineWidth = 1;     // pixels
};

// A surface a device paints on, in pixels (y down): an image, an SVG
// document, a window.
class HostCanvas {
 public:
  virtual ~HostCanvas() = default;
  virtual void polyline(const std::vector<OdGePoint2d>& points, const HostPaint& paint) = 0;
  // Filled; the outline closes by itself.
  virtual void polygon(const std::vector<OdGePoint2d>& points, const HostPaint& paint) = 0;
  // One line of text from the start of its baseline: along runs on the
  // baseline, up across it (slanted for oblique text), both as long as the
  // text's cap height; the line comes out length pixels long.
  virtual void text(const OdGePoint2d& position, const OdGeVector2d& along, const OdGeVector2d& up, double length,
                    const OdString& message, const HostPaint& paint) = 0;
};
