// A plug-in for the host's tests. It adds TESTCMD through new_ICmdFactory,
// found with dlsym as plug-ins find it, and tells initApp, uninitApp and
// the command's runs to hostTestObserve when the program exports it.

#include "ICmdFactory.h"
#include "HostCmdProcess.h"
#include "OdRxModule.h"

#include <dlfcn.h>

#include <cstdio>
#include <stdexcept>

namespace {
void observe(const char* event) {
  using Observe = void (*)(const char*);
  if (auto f = reinterpret_cast<Observe>(dlsym(RTLD_DEFAULT, "hostTestObserve"))) f(event);
}

class TestModuleCommand : public HostCmdProcessImpl {
 public:
  int run() override {
    observe("TESTCMD");
    // The program (cadhost) says which host library it runs on.
    using MainDllName = const wchar_t* (*)();
    if (auto name = reinterpret_cast<MainDllName>(dlsym(RTLD_DEFAULT, "GetMainDllNameW")))
      std::printf("host library: %ls\n", name());
    return kCmdOk;
  }
};



class TestModule : public OdRxModule {
 public:
  void initApp() override {
    using NewFactory = ICmdFactory* (*)();
    auto newFactory = reinterpret_cast<NewFactory>(dlsym(RTLD_DEFAULT, "new_ICmdFactory"));
    if (!newFactory) throw std::runtime_error("new_ICmdFactory is not exported");
    ICmdFactory* factory = newFactory();
    if (!factory) throw std::runtime_error("no command factory");
    factory->addCommand("TESTCMD", &hostCreateCommand<TestModuleCommand>, L"TESTMODULE", 0, 0, 0);
    factory->release();
    observe("initApp");
  }
  // TESTCMD is left for the host to drop, as it drops whatever a module leaves.
  void uninitApp() override { observe("uninitApp"); }
};
}  // namespace

ODRX_DEFINE_HOST_MODULE(TestModule)
