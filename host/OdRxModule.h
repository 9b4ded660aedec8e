#pragma once

#include "RxObject.h"

// A plug-in loaded by the host. Its shared library exports, with C names,
// odrxCreateModuleObject (the module's one object; the host holds a
// reference to it while the module is loaded) and odrxGetAPIVersion;
// ODRX_DEFINE_HOST_MODULE writes both.
class OdRxModule : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdRxModule);

 public:
  // After loading: register commands, reactors, classes.
  virtual void initApp() = 0;
  // Before unloading: undo what initApp did.
  virtual void uninitApp() = 0;
};
using OdRxModulePtr = OdSmartPtr<OdRxModule>;

// The host loads modules built for the same major version.
inline constexpr int kHostApiMajorVersion = 4;
inline constexpr int kHostApiMinorVersion = 3;
inline constexpr int kHostApiMajorBuild = 1;
inline constexpr int kHostApiMinorBuild = 0;

using OdRxCreateModuleObjectFunc = OdRxModule* (*)();
using OdRxGetAPIVersionFunc = void (*)(int& major, int& minor, int& majorBuild, int& minorBuild);

#define ODRX_DEFINE_HOST_MODULE(ModuleClass)                                                               \
  extern "C" __attribute__((visibility("default"))) OdRxModule* odrxCreateModuleObject() {               \
    static OdRxModulePtr module(new OdRxObjectImpl<ModuleClass>(), kOdRxObjAttach);                      \
    return module.get();                                                                                 \
  }                                                                                                      \
  extern "C" __attribute__((visibility("default"))) void odrxGetAPIVersion(int& major, int& minor,       \
                                                                            int& majorBuild, int& minorBuild) { \
    major = kHostApiMajorVersion;                                                                        \
    minor = kHostApiMinorVersion;                                                                        \
    majorBuild = kHostApiMajorBuild;                                                                     \
    minorBuild = kHostApiMinorBuild;                                                                     \
  }
