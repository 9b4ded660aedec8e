#pragma once

#include "HostAppServices.h"
#include "HostCommandProcessor.h"
#include "HostCommandRegistry.h"
#include "HostDocManager.h"
#include "HostEditor.h"
#include "HostHelpService.h"
#include "HostModules.h"
#include "HostProfile.h"
#include "HostViewUpdater.h"
#include "HostWindow.h"
#include "IApp.h"

#include <memory>
#include <vector>

struct HostAppOptions {
  // Command lines and prompts go to standard output as well.
  bool echo = false;
  // Empty: HostProfile::defaultPath().
  OdString profilePath;
  // The profile is read but never written.
  bool profileReadOnly = false;
};

// The host application: documents, editor, commands, profile, plug-ins. The
// exported functions plug-ins call (GetApp, new_ICmdFactory...) answer for
// the one made last.
class HostApp : public IApp {
 public:
  explicit HostApp(const HostAppOptions& options = {});
  ~HostApp() override;
  HostApp(const HostApp&) = delete;
  HostApp& operator=(const HostApp&) = delete;

  // The application made last and not yet destroyed, or null.
  static HostApp* current();

  HostDocManager& docManager() { return m_docs; }
  HostEditor& editor() { return m_editor; }
  HostCommandRegistry& commands() { return m_commands; }
  HostCommandProcessor& processor() { return m_processor; }
  HostProfile& profile() { return *m_profile.get(); }
  HostModules& modules() { return m_modules; }
  HostAppServices& services() { return m_services; }
  HostHelpService& help() { return *m_help.get(); }
  HostWindow& window() { return *m_window; }
  // Where a Qt main window replaces the headless one.
  void setWindow(std::unique_ptr<HostWindow> window);

  // Answers whether every command of the line succeeded.
  bool typeLine(const OdString& line) { return m_processor.typeLine(line); }
  // Runs the string entries of the profile's "Startup" section in order;
  // answers whether every one succeeded.
  bool runStartup();
  // Unloads the plug-ins, closes the documents and writes the profile;
  // the destructor does it when not done before.
  void shutdown();

  long addRef() override { return 1; }
  long release() override { return 1; }
  bool queryInterface(const char* iid, void** out) override;
  int isHeadless() const override { return m_window->isHeadless() ? 1 : 0; }

 private:
  // The "help" folders beside the loaded plug-ins.
  std::vector<OdString> helpFolders() const;

  HostDocManager m_docs;
  HostEditor m_editor;
  HostCommandRegistry m_commands;
  HostCommandProcessor m_processor;
  HostAppServices m_services;
  HostRefPtr<HostProfile> m_profile;
  HostRefPtr<HostHelpService> m_help;
  std::unique_ptr<HostWindow> m_window;
  OdStaticRxObject<HostViewUpdater> m_viewUpdater;
  HostModules m_modules;
  HostApp* m_previous;
  bool m_shutDown = false;
  bool m_profileReadOnly;
};
