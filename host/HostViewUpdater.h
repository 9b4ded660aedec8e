#pragma once

#include "HostEditorReactor.h"

class HostApp;

// After each command, once every other reactor has heard of its end, has
// the current document's view drawn again (HostEditor::setViewReactor), as
// a window repaints after a command.
class HostViewUpdater : public HostEditorReactor {
 public:
  explicit HostViewUpdater(HostApp& app) : m_app(app) {}

  void commandEnded(const OdString&) override { updateCurrentView(); }
  void commandCancelled(const OdString&) override { updateCurrentView(); }
  void commandFailed(const OdString&) override { updateCurrentView(); }

 private:
  void updateCurrentView();
  HostApp& m_app;
};
