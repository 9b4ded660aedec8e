#pragma once

#include "GePoint3d.h"
#include "OdString.h"

#include <QPoint>
#include <QWidget>

class HostDocManager;
class HostDocument;

// The view of one document in the main window: its device paints here on
// every repaint (so its update listeners hear of it); the wheel zooms about
// the mouse, dragging with the left or middle button pans, a middle-button
// double click shows all of the drawing.
class HostDrawingView : public QWidget {
 public:
  HostDrawingView(HostDocument* doc, HostDocManager& docs, QWidget* parent = nullptr);

  HostDocument* document() const { return m_doc; }
  // The document is going: nothing more is drawn.
  void forgetDocument() { m_doc = nullptr; }
  // The drawing's point under a pixel of this view, as last drawn.
  OdGePoint3d worldPointAt(const QPointF& pixel) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void reportOnce(const OdString& problem);

  HostDocument* m_doc;
  HostDocManager& m_docs;
  QPoint m_dragFrom;
  bool m_dragging = false;
  OdString m_lastProblem;  // a drawing that fails fails on every repaint: told once
};
