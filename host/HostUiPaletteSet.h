#pragma once

#include "OdString.h"

#include <QPointer>

class QDockWidget;
class QWidget;

// A palette of the host: a dockable pane of the main window (right dock area
// at first; where the user leaves it is kept in the profile). Headless it has
// no window but is made, shown and hidden all the same.
class hostUiPaletteSet {
 public:
  virtual ~hostUiPaletteSet();

  // Makes the pane with its caption; controlId names it among the host's
  // panes. Answers false when onCreate does.
  bool create(const OdString& caption, int controlId);
  bool isCreated() const { return m_created; }
  void show(bool visible);
  bool isShown() const { return m_shown; }
  // Where the palette puts its controls; null headless.
  QWidget* body() const;

 protected:
  // After the pane is made: the palette makes its controls into body().
  virtual bool onCreate() { return true; }
  // After the pane was shown or hidden.
  virtual void onShow(bool /*visible*/) {}
  // The user pressed the pane's close button; call closePane() to close it.
  virtual void onClose() { closePane(); }
  void closePane();

 private:
  class Dock;
  void visibilityChanged(bool visible);

  QPointer<QDockWidget> m_dock;
  bool m_created = false;
  bool m_shown = false;
};
