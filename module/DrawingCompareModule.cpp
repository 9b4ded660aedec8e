#include "DrawingCompareModule.h"

#include "DcBlockTableRecordComparison.h"
#include "DcCommands.h"
#include "DcComparisonDrawableOverrule.h"
#include "DcComparisonManager.h"
#include "DcDocManReactor.h"
#include "DcEditorReactor.h"
#include "DcExportLegend.h"
#include "DcHighlightOverrule.h"
#include "DcHost.h"
#include "DcLayoutManagerReactor.h"
#include "DcModuleContext.h"
#include "DcSettings.h"
#include "DcUiDrawingComparisonPalette.h"
#include "DcUiHostDeviceUpdateListener.h"
#include "HostDocManager.h"
#include "HostGsDevice.h"
#include "OdError.h"

#include <dlfcn.h>

namespace dwgcompare {
namespace {
DrawingCompareModule* g_module = nullptr;

// The module file, found from the address of its own code.
Dl_info moduleFileInfo() {
  Dl_info info{};
  dladdr(reinterpret_cast<void*>(&onModuleLoaded), &info);
  return info;
}

// Order matters: the classes go in this order and come out in the same order.
struct ModuleClass {
  void (*init)();
  void (*uninit)();
};
constexpr ModuleClass kModuleClasses[] = {
    {&dwgcompareui::DcUiHostDeviceUpdateListener::rxInit, &dwgcompareui::DcUiHostDeviceUpdateListener::rxUninit},
    {&DcComparisonManager::rxInit, &DcComparisonManager::rxUninit},
    {&DcBlockTableRecordComparison::rxInit, &DcBlockTableRecordComparison::rxUninit},
    {&DcLayoutManagerReactor::rxInit, &DcLayoutManagerReactor::rxUninit},
    {&DcEditorReactor::rxInit, &DcEditorReactor::rxUninit},
    {&DcComparisonDrawableOverrule::rxInit, &DcComparisonDrawableOverrule::rxUninit},
    {&DcHighlightOverrule::rxInit, &DcHighlightOverrule::rxUninit},
};

struct LoadTime {
  LoadTime() { onModuleLoaded(); }
} g_loadTime;
}  // namespace

DrawingCompareModule::DrawingCompareModule() = default;
DrawingCompareModule::~DrawingCompareModule() = default;

void DrawingCompareModule::release() const {
  if (--m_refs > 0) return;
  if (g_module == this) g_module = nullptr;
  delete this;
}

void* DrawingCompareModule::sysData() const {
  Dl_info info = moduleFileInfo();
  return info.dli_fbase;
}

OdString DrawingCompareModule::moduleName() const {
  Dl_info info = moduleFileInfo();
  return info.dli_fname ? OdString(info.dli_fname) : OdString();
}

void DrawingCompareModule::initApp() {
  for (const ModuleClass& moduleClass : kModuleClasses) moduleClass.init();
  comparisonDrawableOverrule().attachToSettings();
  if (HostDocManager* docs = hostDocManager()) docs->addReactor(getDocManReactor());
  HostGsDevice::setExportOverlay(&paintExportLegend);
}

void DrawingCompareModule::uninitApp() {
  // Unregistering a class that is not there throws before anything else is undone.
  if (!DcComparisonManager::desc() || !DcBlockTableRecordComparison::desc())
    throw OdError(eClassNotRegistered, "the comparison classes are not registered");
  for (const ModuleClass& moduleClass : kModuleClasses) moduleClass.uninit();
  comparisonDrawableOverrule().detachFromSettings();
  destroyDcSettings();
  if (HostDocManager* docs = hostDocManager()) docs->removeReactor(getDocManReactor());
  // What the module leaves registered with the host goes before its code does.
  HostGsDevice::setExportOverlay(nullptr);
  // The palette and the document manager reactor end with the module's state.
  destroyModuleContext();
}

DrawingCompareModule* drawingCompareModule() { return g_module; }

void onModuleLoaded() {
  comparisonDrawableOverrule();
  highlightOverrule();
  registerModuleCommands();
}

}  // namespace dwgcompare

using namespace dwgcompare;

OdRxModule* odrxCreateModuleObject() {
  if (!g_module) g_module = new DrawingCompareModule;
  return g_module;
}

void odrxGetAPIVersion(int& major, int& minor, int& majorBuild, int& minorBuild) {
  major = 4;
  minor = 3;
  majorBuild = 1;
  minorBuild = 0;
}

// No operation of the module enters a comparison mode; the export stays for other modules.
bool isComparisonMode() { return false; }
