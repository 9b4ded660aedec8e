#pragma once

#include "HostCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

// A canvas that paints with Qt: onto an image, or a window's drawing view.
class HostRasterCanvas : public HostCanvas {
 public:
  // Paints antialiased with the painter as it is set up.
  explicit HostRasterCanvas(QPainter& painter);

  void polyline(const std::vector<OdGePoint2d>& points, const HostPaint& paint) override;
  void polygon(const std::vector<OdGePoint2d>& points, const HostPaint& paint) override;
  void text(const OdGePoint2d& position, const OdGeVector2d& along, const OdGeVector2d& up, double length,
            const OdString& message, const HostPaint& paint) override;

  static QColor background();

 private:
  QPainter& m_painter;
  QFont m_font;
  QFontMetricsF m_metrics;
  double m_capHeight;
};

// Text needs a Qt GUI application; without one (headless, in tests) an
// offscreen one is made for the rest of the process.
void hostEnsureGuiApplication();
