#pragma once

#include "OdRxModule.h"

namespace dwgcompare {

// The comparison module as the host's module loader sees it.
class DrawingCompareModule : public OdRxModule {
 public:
  DrawingCompareModule();
  ~DrawingCompareModule() override;

  void addRef() const override { ++m_refs; }
  // The last release deletes the module object; the next
  // odrxCreateModuleObject makes a new one.
  void release() const override;
  long numRefs() const override { return m_refs; }

  // The module file's handle and its full path.
  void* sysData() const;
  OdString moduleName() const;

  void initApp() override;
  void uninitApp() override;

 private:
  mutable std::atomic<long> m_refs{0};
};

// The module object, or null before odrxCreateModuleObject.
DrawingCompareModule* drawingCompareModule();

// What loading the module file does: registers DWGCOMPARE and COMPAREINFO
// with the host's command factory and makes the display overrules. Runs
// when the library is loaded; a host started after that (a test linked to
// the library) calls it again to get the commands.
void onModuleLoaded();

}  // namespace dwgcompare

extern "C" {
__attribute__((visibility("default"))) OdRxModule* odrxCreateModuleObject();
__attribute__((visibility("default"))) void odrxGetAPIVersion(int& major, int& minor, int& majorBuild, int& minorBuild);
// Other modules of the host ask whether a comparison is being computed; it never is, for them.
__attribute__((visibility("default"))) bool isComparisonMode();
}
