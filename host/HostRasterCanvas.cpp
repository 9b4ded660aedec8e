#include "HostRasterCanvas.h"

#include "HostQtText.h"
#include "OdError.h"

#include <QGuiApplication>
#include <QPolygonF>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
// Text is laid out at this size and transformed to where it goes.
constexpr int kFontPixelSize = 100;

QColor colorOf(uint32_t rgb, uint8_t alpha = 255) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, alpha);
}

QColor colorOf(const HostPaint& paint) { return colorOf(paint.rgb, paint.alpha); }

QPolygonF polygonOf(const std::vector<OdGePoint2d>& points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const OdGePoint2d& p : points) polygon.append(QPointF(p.x, p.y));
  return polygon;
}

QFont drawingFont() {
  hostEnsureGuiApplication();
  QFont font(QString::fromLatin1(kHostTextFontFamily));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(kFontPixelSize);
  return font;
}
}  // namespace

void hostEnsureGuiApplication() {
  if (QCoreApplication::instance()) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
      throw OdError(eNotApplicable, "drawing text needs a Qt GUI application, not a console one");
    return;
  }
  // Without a session (a script, a test) Qt wants a private runtime folder
  // and warns on every start; one of our own keeps the output clean.
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    std::string runtime =
        (std::filesystem::temp_directory_path() / ("cadhost-runtime-" + std::to_string(::getuid()))).string();
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  }
  // Kept for the life of the process: Qt's fonts hang on to it.
  static int argc = 3;
  static char name[] = "cadhost", option[] = "-platform", platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  [[maybe_unused]] static QGuiApplication* application = new QGuiApplication(argc, argv);
}

HostRasterCanvas::HostRasterCanvas(QPainter& painter)
    : m_painter(painter), m_font(drawingFont()), m_metrics(m_font), m_capHeight(m_metrics.capHeight()) {
  if (!(m_capHeight > 0)) m_capHeight = kFontPixelSize * kHostTextCapHeightPerEm;
  m_painter.setRenderHint(QPainter::Antialiasing);
  m_painter.setRenderHint(QPainter::TextAntialiasing);
}

QColor HostRasterCanvas::background() { return colorOf(kHostBackgroundRgb); }

void HostRasterCanvas::polyline(const std::vector<OdGePoint2d>& points, const HostPaint& paint) {
  QPen pen(colorOf(paint), paint.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  m_painter.setPen(pen);
  m_painter.setBrush(Qt::NoBrush);
  if (points.size() == 1) m_painter.drawPoint(QPointF(points[0].x, points[0].y));
  else m_painter.drawPolyline(polygonOf(points));
}

void HostRasterCanvas::polygon(const std::vector<OdGePoint2d>& points, const HostPaint& paint) {
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(colorOf(paint));
  m_painter.drawPolygon(polygonOf(points), Qt::OddEvenFill);
}

void HostRasterCanvas::text(const OdGePoint2d& position, const OdGeVector2d& along, const OdGeVector2d& up,
                            double length, const OdString& message, const HostPaint& paint) {
  QString shown = hostToQString(message);
  double natural = m_metrics.horizontalAdvance(shown);
  double alongLength = std::hypot(along.x, along.y);
  if (!(natural > 0) || !(alongLength > 0)) return;
  // Font units to pixels: the advance stretched to the length, the cap height to the text's height.
  double stretch = length / natural;
  QTransform transform(along.x / alongLength * stretch, along.y / alongLength * stretch, -up.x / m_capHeight,
                       -up.y / m_capHeight, position.x, position.y);
  m_painter.save();
  m_painter.setTransform(transform, true);
  m_painter.setPen(colorOf(paint));
  m_painter.setFont(m_font);
  m_painter.drawText(QPointF(0, 0), shown);
  m_painter.restore();
}
