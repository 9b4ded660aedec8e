#include "HostApp.h"

#include "HostBuiltinCommands.h"
#include "HostHeadlessWindow.h"
#include "HostText.h"

#include <filesystem>

namespace {
HostApp* g_current = nullptr;
}

HostApp::HostApp(const HostAppOptions& options)
    : m_docs(options.echo),
      m_editor(m_docs),
      m_processor(m_commands, m_editor, m_docs),
      m_services(m_docs),
      m_profile(HostRefPtr<HostProfile>::adopt(
          new HostProfile(options.profilePath.isEmpty() ? HostProfile::defaultPath() : options.profilePath))),
      m_help(HostRefPtr<HostHelpService>::adopt(new HostHelpService(m_docs, [this] { return helpFolders(); }))),
      m_window(std::make_unique<HostHeadlessWindow>(m_docs)),
      m_viewUpdater(*this),
      m_modules(m_commands),
      m_previous(g_current),
      m_profileReadOnly(options.profileReadOnly) {
  g_current = this;
  m_docs.setExecuteSink([this](const OdString& line) { m_processor.sendStringToExecute(line); });
  m_editor.setViewReactor(&m_viewUpdater);
  m_editor.setWindow(m_window.get());
  hostRegisterBuiltinCommands(m_commands);
  for (const OdString& problem : m_profile->problems()) m_docs.print(problem);
  // Where plug-ins keep their settings, there from the first start on.
  m_profile->keepSection("cmddata");
}

std::vector<OdString> HostApp::helpFolders() const {
  std::vector<OdString> folders;
  for (const OdString& module : m_modules.loaded())
    folders.push_back(OdString((std::filesystem::path(module.utf8()).parent_path() / "help").string()));
  return folders;
}

HostApp::~HostApp() {
  shutdown();
  m_editor.setViewReactor(nullptr);
  m_editor.setWindow(nullptr);
  if (g_current == this) g_current = m_previous;
}

HostApp* HostApp::current() { return g_current; }

void HostApp::setWindow(std::unique_ptr<HostWindow> window) {
  if (!window) return;
  m_window = std::move(window);
  m_editor.setWindow(m_window.get());
  m_docs.setMainWindowHandle(m_window->handle());
}

bool HostApp::runStartup() {
  HostRefPtr<IProfileSection> startup = HostRefPtr<IProfileSection>::adopt(m_profile->openSection("Startup", false));
  if (!startup) return true;
  // Copied first: the commands may change the profile.
  std::vector<OdString> lines;
  for (int i = 0; i < startup->entryCount(); ++i)
    if (const wchar_t* text = startup->getString(startup->entryKey(i))) lines.push_back(hostFromWide(text));
  bool ok = true;
  for (const OdString& line : lines) {
    if (m_processor.quitRequested()) break;
    ok = typeLine(line) && ok;
  }
  return ok;
}

void HostApp::shutdown() {
  if (m_shutDown) return;
  m_shutDown = true;
  m_modules.unloadAll();
  m_docs.closeAll();
  if (!m_profileReadOnly && !m_profile->flush()) m_docs.print(m_profile->path() + ": cannot write the profile");
}

bool HostApp::queryInterface(const char* iid, void** out) {
  *out = nullptr;
  if (sameInterfaceId(iid, kIID_IApp) || sameInterfaceId(iid, kIID_IUnknownLike)) {
    *out = static_cast<IApp*>(this);
    return true;
  }
  if (sameInterfaceId(iid, kIID_IProfile)) return m_profile->queryInterface(iid, out);
  if (sameInterfaceId(iid, kIID_IHelpService)) return m_help->queryInterface(iid, out);
  return false;
}
