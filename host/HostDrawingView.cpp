#include "HostDrawingView.h"

#include "HostDocManager.h"
#include "HostGsDevice.h"
#include "HostRasterCanvas.h"
#include "OdError.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
// One notch of the wheel magnifies by this much.
constexpr double kZoomPerNotch = 1.25;
}  // namespace

HostDrawingView::HostDrawingView(HostDocument* doc, HostDocManager& docs, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_docs(docs) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Point prompts follow the cursor without a button held.
  setMouseTracking(true);
  setMinimumSize(200, 150);
}

void HostDrawingView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), HostRasterCanvas::background());
  if (!m_doc) return;
  try {
    HostRasterCanvas canvas(painter);
    m_doc->device()->update(canvas, width(), height());
    m_lastProblem = OdString();
  } catch (const OdError& e) {
    reportOnce(m_doc->name() + ": cannot draw: " + e.description());
  } catch (const std::exception& e) {
    reportOnce(m_doc->name() + ": cannot draw: " + OdString(e.what()));
  }
}

void HostDrawingView::reportOnce(const OdString& problem) {
  if (problem == m_lastProblem) return;
  m_lastProblem = problem;
  m_docs.print(problem);
}

OdGePoint3d HostDrawingView::worldPointAt(const QPointF& pixel) const {
  if (!m_doc) return OdGePoint3d();
  return m_doc->device()->view().worldPoint(OdGePoint2d(pixel.x(), pixel.y()), width(), height());
}

void HostDrawingView::wheelEvent(QWheelEvent* event) {
  if (!m_doc) return;
  double notches = event->angleDelta().y() / 120.0;
  QPointF at = event->position();
  m_doc->device()->view().zoom(std::pow(kZoomPerNotch, notches), OdGePoint2d(at.x(), at.y()), width(), height());
  update();
  event->accept();
}

void HostDrawingView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton) return;
  m_dragging = true;
  m_dragFrom = event->position().toPoint();
  setCursor(Qt::ClosedHandCursor);
}

void HostDrawingView::mouseMoveEvent(QMouseEvent* event) {
  if (!m_dragging || !m_doc) return;
  QPoint to = event->position().toPoint();
  QPoint moved = to - m_dragFrom;
  m_dragFrom = to;
  m_doc->device()->view().pan(moved.x(), moved.y(), width(), height());
  update();
}

void HostDrawingView::mouseReleaseEvent(QMouseEvent*) {
  m_dragging = false;
  unsetCursor();
}

void HostDrawingView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton || !m_doc) return;
  m_doc->device()->zoomExtents();
  update();
}
