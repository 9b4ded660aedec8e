#include "HostSvgCanvas.h"

#include "GiTextFormat.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace {
// Text is set at this size in its own coordinates and transformed to where it goes.
constexpr double kFontSize = 100;

// Characters XML 1.0 does not allow are left out; the markup ones escaped.
std::string escapedXml(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') continue;
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}
}  // namespace

HostSvgCanvas::HostSvgCanvas(int width, int height) {
  m_svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
          std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
          std::to_string(width) + " " + std::to_string(height) + "\">\n<rect width=\"100%\" height=\"100%\"";
  appendColor("fill", kHostBackgroundRgb);
  m_svg += "/>\n";
}

void HostSvgCanvas::appendNumber(double value) {
  char buf[32];
  int n = std::snprintf(buf, sizeof buf, "%.2f", std::isfinite(value) ? value : 0.0);
  // Trailing zeros say nothing.
  while (buf[n - 1] == '0') --n;
  if (buf[n - 1] == '.') --n;
  if (std::string_view(buf, n) == "-0") {
    m_svg += '0';
    return;
  }
  m_svg.append(buf, n);
}

void HostSvgCanvas::appendFactor(double value) {
  char buf[32];
  int n = std::snprintf(buf, sizeof buf, "%.6g", std::isfinite(value) ? value : 0.0);
  m_svg.append(buf, n);
}

void HostSvgCanvas::appendPoints(const std::vector<OdGePoint2d>& points) {
  m_svg += " points=\"";
  for (size_t i = 0; i < points.size(); ++i) {
    if (i) m_svg += ' ';
    appendNumber(points[i].x);
    m_svg += ',';
    appendNumber(points[i].y);
  }
  m_svg += '"';
}

void HostSvgCanvas::appendColor(const char* attribute, uint32_t rgb) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%06x", rgb & 0xFFFFFF);
  m_svg += std::string(" ") + attribute + "=\"" + buf + "\"";
}

void HostSvgCanvas::appendOpacity(const char* attribute, uint8_t alpha) {
  if (alpha == 255) return;
  m_svg += std::string(" ") + attribute + "=\"";
  appendNumber(alpha / 255.0);
  m_svg += '"';
}

void HostSvgCanvas::polyline(const std::vector<OdGePoint2d>& points, const HostPaint& paint) {
  // A single point is a line of no length, which round caps show as a dot.
  std::vector<OdGePoint2d> shown = points.size() == 1 ? std::vector<OdGePoint2d>{points[0], points[0]} : points;
  m_svg += "<polyline";
  appendPoints(shown);
  m_svg += " fill=\"none\"";
  appendColor("stroke", paint.rgb);
  appendOpacity("stroke-opacity", paint.alpha);
  m_svg += " stroke-width=\"";
  appendNumber(paint.lineWidth);
  m_svg += "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
}

void HostSvgCanvas::polygon(const std::vector<OdGePoint2d>& points, const HostPaint& paint) {
  m_svg += "<polygon";
  appendPoints(points);
  appendColor("fill", paint.rgb);
  appendOpacity("fill-opacity", paint.alpha);
  m_svg += " fill-rule=\"evenodd\"/>\n";
}

void HostSvgCanvas::text(const OdGePoint2d& position, const OdGeVector2d& along, const OdGeVector2d& up,
                         double length, const OdString& message, const HostPaint& paint) {
  double alongLength = std::hypot(along.x, along.y);
  double characters = odGiEstimatedTextLength(message, 1);
  if (!(alongLength > 0) || !(characters > 0)) return;
  // Text coordinates: the font's own, the line stretched to its length in the
  // transform (every viewer follows it) and again by textLength for a
  // viewer whose fixed-pitch font is another.
  double capHeight = kFontSize * kHostTextCapHeightPerEm;
  double natural = kFontSize * kHostTextAdvancePerEm * characters;
  double stretch = length / natural;
  m_svg += "<text transform=\"matrix(";
  const double matrix[] = {along.x / alongLength * stretch, along.y / alongLength * stretch, -up.x / capHeight,
                           -up.y / capHeight, position.x, position.y};
  for (size_t i = 0; i < 6; ++i) {
    if (i) m_svg += ' ';
    appendFactor(matrix[i]);
  }
  m_svg += ")\" font-family=\"" + std::string(kHostTextFontFamily) + ", monospace\" font-size=\"";
  appendNumber(kFontSize);
  m_svg += "\" textLength=\"";
  appendFactor(natural);
  m_svg += "\" lengthAdjust=\"spacingAndGlyphs\" xml:space=\"preserve\"";
  appendColor("fill", paint.rgb);
  appendOpacity("fill-opacity", paint.alpha);
  m_svg += ">" + escapedXml(message.utf8()) + "</text>\n";
}
