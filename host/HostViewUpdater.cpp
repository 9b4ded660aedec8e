#include "HostViewUpdater.h"

#include "HostApp.h"

void HostViewUpdater::updateCurrentView() {
  if (HostDocument* doc = m_app.docManager().curDocument()) m_app.window().updateView(doc);
}
