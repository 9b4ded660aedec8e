#include "HostExports.h"
#include "HostText.h"
#include "HostTestSupport.h"

#include <dlfcn.h>

namespace {
std::vector<std::string> g_observed;
}

// The test module reports to this through dlsym on the test program.
extern "C" __attribute__((visibility("default"))) void hostTestObserve(const char* event) {
  g_observed.push_back(event);
}

class ModuleLoadingTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    g_observed.clear();
  }
};

// Loading calls initApp, which adds a command through the factory; a second
// load of the same module fails; unloading calls uninitApp and drops the command.
TEST_F(ModuleLoadingTest, LoadAndUnloadRunTheModulesEntryPoints) {
  OdString error;
  ASSERT_TRUE(app->modules().load(HOST_TEST_MODULE, error)) << error.utf8();
  EXPECT_EQ(g_observed, std::vector<std::string>{"initApp"});
  const HostCommandRegistry::Entry* entry = app->commands().find("testcmd");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->group, OdString("TESTMODULE"));
  EXPECT_TRUE(app->typeLine("TESTCMD"));
  EXPECT_FALSE(app->modules().load(HOST_TEST_MODULE, error));
  EXPECT_NE(error.utf8().find("already loaded"), std::string::npos) << error.utf8();
  ASSERT_EQ(app->modules().loaded().size(), 1u);
  app->modules().unloadAll();
  EXPECT_EQ(g_observed, (std::vector<std::string>{"initApp", "TESTCMD", "uninitApp"}));
  EXPECT_EQ(app->commands().find("TESTCMD"), nullptr);
  EXPECT_TRUE(app->modules().loaded().empty());
  EXPECT_FALSE(app->typeLine("TESTCMD"));
}

TEST_F(ModuleLoadingTest, ShutdownUnloadsModules) {
  OdString error;
  ASSERT_TRUE(app->modules().load(HOST_TEST_MODULE, error)) << error.utf8();
  app->shutdown();
  EXPECT_EQ(g_observed.back(), "uninitApp");
}

// A missing file or a library without the module's entry points: the error names the file and what is wrong.
TEST_F(ModuleLoadingTest, WhatIsNoModuleIsRefused) {
  const std::string missing = dir / "nothere.so", hostLibrary = hostFromWide(hostLibraryFileName()).utf8();
  for (const auto& [file, said] : {std::pair{missing, missing}, std::pair{hostLibrary, std::string("odrxCreateModuleObject")}}) {
    OdString error;
    EXPECT_FALSE(app->modules().load(OdString(file), error));
    EXPECT_NE(error.utf8().find(said), std::string::npos) << error.utf8();
    EXPECT_NE(error.utf8().find(file), std::string::npos) << error.utf8();
  }
  EXPECT_TRUE(g_observed.empty());
}
