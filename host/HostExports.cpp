#include "HostExports.h"

#include "HostApp.h"
#include "HostCmdFactory.h"
#include "HostText.h"

#include <dlfcn.h>

#include <filesystem>

namespace {
HostAppServices* appServices() { return HostApp::current() ? &HostApp::current()->services() : nullptr; }
HostDocManager* docManager() { return HostApp::current() ? &HostApp::current()->docManager() : nullptr; }
HostEditor* editor() { return HostApp::current() ? &HostApp::current()->editor() : nullptr; }
void regen(int mode) {
  if (HostApp* app = HostApp::current()) app->window().regen(mode);
}
int appearance() { return HostApp::current() ? HostApp::current()->window().appearanceFlag() : 0; }

template <class F>
void* asPointer(F function) {
  return reinterpret_cast<void*>(function);
}
}  // namespace

extern "C" {

IApp* GetApp() { return HostApp::current(); }

ICmdFactory* new_ICmdFactory() {
  HostApp* app = HostApp::current();
  return app ? new HostCmdFactory(app->commands()) : nullptr;
}

void* get_host_funcptr(int index) {
  switch (index) {
    case kHostFuncAppServices: return asPointer<HostAppServicesFunc>(&appServices);
    case kHostFuncDocManager: return asPointer<HostDocManagerFunc>(&docManager);
    case kHostFuncEditor: return asPointer<HostEditorFunc>(&editor);
    case kHostFuncRegen: return asPointer<HostRegenFunc>(&regen);
    case kHostFuncAppearance: return asPointer<HostAppearanceFunc>(&appearance);
    default: return nullptr;
  }
}

const wchar_t* Supp_Translate(const wchar_t* text) { return text; }

int Fio_IsFileExist(const wchar_t* path) {
  std::error_code ec;
  return path && std::filesystem::exists(hostFromWide(path).utf8(), ec) ? 1 : 0;
}

void xrefDisableWatch() {}

void xrefEnableWatch() {}

int setSpatialFilter(OdDbObjectId blockReference, const OdGePoint2d* boundary, int pointCount, const OdGePlane& plane,
                     bool enable) {
  if (HostApp* app = HostApp::current()) app->window().setSpatialFilter(blockReference, boundary, pointCount, plane, enable);
  return 0;
}
}

const wchar_t* hostLibraryFileName() {
  static const std::wstring name = [] {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&GetApp), &info) || !info.dli_fname) return std::wstring();
    return hostToWide(OdString(info.dli_fname));
  }();
  return name.c_str();
}
