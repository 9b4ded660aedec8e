#include "HostUiPaletteSet.h"

#include "HostQtText.h"
#include "HostUi.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QMainWindow>

// The pane's close button asks the palette, which closes it or not.
class hostUiPaletteSet::Dock : public QDockWidget {
 public:
  Dock(const QString& caption, QMainWindow* window, hostUiPaletteSet& palette)
      : QDockWidget(caption, window), m_palette(palette) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    m_palette.onClose();
  }

 private:
  hostUiPaletteSet& m_palette;
};

hostUiPaletteSet::~hostUiPaletteSet() { delete m_dock.data(); }

bool hostUiPaletteSet::create(const OdString& caption, int controlId) {
  if (QMainWindow* window = hostUiMainWindow()) {
    auto* dock = new Dock(hostToQString(caption), window, *this);
    // The name under which the main window keeps where the user put it.
    dock->setObjectName(QStringLiteral("Palette%1").arg(controlId));
    dock->setWidget(new QWidget(dock));
    dock->hide();
    window->addDockWidget(Qt::RightDockWidgetArea, dock);
    window->restoreDockWidget(dock);
    m_dock = dock;
  }
  if (!onCreate()) {
    delete m_dock.data();
    return false;
  }
  m_created = true;
  return true;
}

QWidget* hostUiPaletteSet::body() const { return m_dock ? m_dock->widget() : nullptr; }

void hostUiPaletteSet::show(bool visible) {
  if (m_dock) m_dock->setVisible(visible);
  visibilityChanged(visible);
}

void hostUiPaletteSet::closePane() { show(false); }

void hostUiPaletteSet::visibilityChanged(bool visible) {
  m_shown = visible;
  onShow(visible);
}
