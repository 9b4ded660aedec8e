#include "DcHost.h"

#include "HostAppServices.h"
#include "HostDocManager.h"
#include "HostEditor.h"
#include "HostExports.h"
#include "HostText.h"
#include "IApp.h"
#include "IHelpService.h"
#include "ICmdFactory.h"
#include "IProfile.h"

#include <dlfcn.h>

namespace dwgcompare {
namespace {

// The host's main library: the program names it through GetMainDllNameW.
// A program without that export (a test, say) has the host loaded already,
// so its exports are found among the process's global symbols.
void* hostLibrary() {
  static void* library = [] {
    using MainDllName = const wchar_t* (*)();
    auto name = reinterpret_cast<MainDllName>(dlsym(RTLD_DEFAULT, "GetMainDllNameW"));
    if (name && name()) {
      if (void* handle = dlopen(hostFromWide(name()).utf8().c_str(), RTLD_LAZY | RTLD_NOLOAD)) return handle;
    }
    return RTLD_DEFAULT;
  }();
  return library;
}

template <class F>
F hostExport(const char* name) {
  return reinterpret_cast<F>(dlsym(hostLibrary(), name));
}

// Looked up once: fingerprints ask the host for its variables for every object.
template <class F>
F hostFunction(int index) {
  static const auto get = hostExport<void* (*)(int)>("get_host_funcptr");
  return get ? reinterpret_cast<F>(get(index)) : nullptr;
}

template <class T, class F>
T* hostService(int index) {
  F accessor = hostFunction<F>(index);
  return accessor ? accessor() : nullptr;
}
}  // namespace

HostDocManager* hostDocManager() { return hostService<HostDocManager, HostDocManagerFunc>(kHostFuncDocManager); }
HostEditor* hostEditor() { return hostService<HostEditor, HostEditorFunc>(kHostFuncEditor); }
HostAppServices* hostAppServices() {
  return hostService<HostAppServices, HostAppServicesFunc>(kHostFuncAppServices);
}

void hostMarkPhase(const char* phase) {
  if (HostAppServices* services = hostAppServices()) services->phaseTimes().mark(phase);
}

IApp* hostApp() {
  auto getApp = hostExport<IApp* (*)()>("GetApp");
  return getApp ? getApp() : nullptr;
}

IProfile* hostProfile() {
  IApp* app = hostApp();
  void* profile = nullptr;
  if (!app || !app->queryInterface(kIID_IProfile, &profile)) return nullptr;
  return static_cast<IProfile*>(profile);
}

ICmdFactory* hostCommandFactory() {
  auto newFactory = hostExport<ICmdFactory* (*)()>("new_ICmdFactory");
  return newFactory ? newFactory() : nullptr;
}

OdString hostTranslate(const wchar_t* text) {
  auto translate = hostExport<const wchar_t* (*)(const wchar_t*)>("Supp_Translate");
  const wchar_t* translated = translate ? translate(text) : text;
  return hostFromWide(translated ? translated : text);
}

void hostPrint(const OdString& text) {
  if (HostDocManager* docs = hostDocManager()) docs->print(text);
}

HostDocument* hostCurrentDocument() {
  HostDocManager* docs = hostDocManager();
  return docs ? docs->curDocument() : nullptr;
}

OdResBufPtr hostSystemVariable(const OdString& name) {
  HostEditor* editor = hostEditor();
  return editor ? editor->getVar(name) : OdResBufPtr();
}

void hostRegen() {
  if (auto regen = hostFunction<HostRegenFunc>(kHostFuncRegen)) regen(1);
}

bool hostFileExists(const OdString& path) {
  auto exists = hostExport<int (*)(const wchar_t*)>("Fio_IsFileExist");
  return exists && exists(hostToWide(path).c_str()) != 0;
}

bool hostHasAlternativeAppearance() {
  auto appearance = hostFunction<HostAppearanceFunc>(kHostFuncAppearance);
  return appearance && appearance() != 0;
}

bool hostShowHelpTopic(const wchar_t* topic) {
  IApp* app = hostApp();
  void* service = nullptr;
  if (!app || !app->queryInterface(kIID_IHelpService, &service)) return false;
  auto help = HostRefPtr<IHelpService>::adopt(static_cast<IHelpService*>(service));
  return help->showTopic(topic);
}

void hostSendCommand(const OdString& text) {
  if (HostDocument* document = hostCurrentDocument()) document->sendStringToExecute(text);
}

void hostDisableXrefWatch() {
  if (auto disable = hostExport<void (*)()>("xrefDisableWatch")) disable();
}

void hostEnableXrefWatch() {
  if (auto enable = hostExport<void (*)()>("xrefEnableWatch")) enable();
}

void hostSetSpatialFilter(OdDbObjectId blockReference, const OdGePoint2d* boundary, int pointCount,
                          const OdGePlane& plane, bool enable) {
  using SetSpatialFilter = int (*)(OdDbObjectId, const OdGePoint2d*, int, const OdGePlane&, bool);
  if (auto set = hostExport<SetSpatialFilter>("setSpatialFilter")) set(blockReference, boundary, pointCount, plane, enable);
}

}  // namespace dwgcompare
