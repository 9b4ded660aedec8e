#include "HostHeadlessWindow.h"

#include "HostDocManager.h"
#include "HostGsDevice.h"

#include <algorithm>

void HostHeadlessWindow::zoomAll(HostDocument* doc) {
  if (doc) doc->device()->zoomExtents();
}

void HostHeadlessWindow::regen(int) {
  for (HostDocument* doc : m_docs.documents()) {
    // A listener's command may have closed it meanwhile.
    std::vector<HostDocument*> open = m_docs.documents();
    if (std::find(open.begin(), open.end(), doc) != open.end()) updateView(doc);
  }
}

void HostHeadlessWindow::updateView(HostDocument* doc) {
  // A view nobody made has nobody listening to it.
  if (doc && doc->hasDevice()) doc->device()->update();
}
