#include "HostExports.h"
#include "HostTestSupport.h"
#include "HostText.h"
#include "ICmdFactory.h"
#include "IHelpService.h"

#include <dlfcn.h>

class HostExportsTest : public HostFixture {
 protected:
  // Found the way plug-ins find them.
  template <class F>
  static F lookUp(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, name));
  }
};

TEST_F(HostExportsTest, EveryExportIsFoundByItsCName) {
  for (const char* name : {"new_ICmdFactory", "GetApp", "get_host_funcptr", "Supp_Translate", "Fio_IsFileExist",
                           "xrefDisableWatch", "xrefEnableWatch", "setSpatialFilter"})
    EXPECT_NE(dlsym(RTLD_DEFAULT, name), nullptr) << name;
}

TEST_F(HostExportsTest, HostFunctionsByIndex) {
  auto get = lookUp<void* (*)(int)>("get_host_funcptr");
  auto services = reinterpret_cast<HostAppServicesFunc>(get(kHostFuncAppServices));
  ASSERT_NE(services, nullptr);
  EXPECT_EQ(services(), &app->services());
  auto docs = reinterpret_cast<HostDocManagerFunc>(get(kHostFuncDocManager));
  ASSERT_NE(docs, nullptr);
  EXPECT_EQ(docs(), &app->docManager());
  auto regen = reinterpret_cast<HostRegenFunc>(get(kHostFuncRegen));
  ASSERT_NE(regen, nullptr);
  regen(1);
  EXPECT_EQ(window().regenModes, std::vector<int>{1});
  auto appearance = reinterpret_cast<HostAppearanceFunc>(get(kHostFuncAppearance));
  ASSERT_NE(appearance, nullptr);
  EXPECT_EQ(appearance(), 0);
  EXPECT_EQ(get(1), nullptr);
  EXPECT_EQ(get(-1), nullptr);
}

TEST_F(HostExportsTest, FileUtilities) {
  EXPECT_EQ(std::wstring(Supp_Translate(L"Compare drawings")), L"Compare drawings");
  writeText(dir.path() / "here.dxf", "x");
  EXPECT_EQ(Fio_IsFileExist(hostToWide(OdString(dir / "here.dxf")).c_str()), 1);
  EXPECT_EQ(Fio_IsFileExist(hostToWide(OdString(dir / "gone.dxf")).c_str()), 0);
  EXPECT_EQ(Fio_IsFileExist(nullptr), 0);
  EXPECT_EQ(app->services().findFile(OdString(dir / "here.dxf")), OdString(dir / "here.dxf"));
  EXPECT_TRUE(app->services().findFile("gone.dxf").isEmpty());
}

TEST_F(HostExportsTest, SpatialFilterGoesToTheWindow) {
  OdGePoint2d boundary[] = {{0, 0}, {1, 0}, {1, 1}};
  EXPECT_EQ(setSpatialFilter(OdDbObjectId(), boundary, 3, OdGePlane(), true), 0);
  ASSERT_EQ(window().spatialFilters.size(), 1u);
  EXPECT_EQ(window().spatialFilters[0].pointCount, 3);
}

TEST_F(HostExportsTest, AppAnswersItsInterfaces) {
  IApp* iapp = GetApp();
  ASSERT_EQ(iapp, app.get());
  EXPECT_EQ(iapp->isHeadless(), 1);
  void* found = nullptr;
  EXPECT_TRUE(iapp->queryInterface(kIID_IApp, &found));
  EXPECT_EQ(found, static_cast<IApp*>(app.get()));
  EXPECT_FALSE(iapp->queryInterface("INoSuchThing", &found));
  EXPECT_EQ(found, nullptr);

  ASSERT_TRUE(iapp->queryInterface(kIID_IHelpService, &found));
  auto help = HostRefPtr<IHelpService>::adopt(static_cast<IHelpService*>(found));
  // No loaded module has a page for it.
  EXPECT_FALSE(help->showTopic(L"DrawingComparison"));
  EXPECT_EQ(app->help().lastTopic(), OdString("DrawingComparison"));
  EXPECT_NE(commandLog().find("Help: no page for DrawingComparison"), std::string::npos) << commandLog();
}

TEST_F(HostExportsTest, CommandFactoryAddsAndRemovesCommands) {
  auto newFactory = lookUp<ICmdFactory* (*)()>("new_ICmdFactory");
  auto factory = HostRefPtr<ICmdFactory>::adopt(newFactory());
  ASSERT_TRUE(factory);
  bool ran = false;
  TestCommand<7>::body = [&](auto&) {
    ran = true;
    return kCmdOk;
  };
  EXPECT_TRUE(factory->addCommand("DCOMPARE", &TestCommand<7>::create, L"DRAWINGCOMPARE", 1, 2, 3));
  EXPECT_FALSE(factory->addCommand("", &TestCommand<7>::create, L"X", 0, 0, 0));
  EXPECT_FALSE(factory->addCommand("NOCREATOR", nullptr, L"X", 0, 0, 0));
  const HostCommandRegistry::Entry* entry = app->commands().find("dcompare");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->group, OdString("DRAWINGCOMPARE"));
  EXPECT_EQ(entry->flags + entry->contextFlags + entry->helpId, 6);
  EXPECT_TRUE(app->typeLine("DCOMPARE"));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(factory->removeCommand("DCOMPARE"));
  EXPECT_FALSE(factory->removeCommand("DCOMPARE"));
  EXPECT_EQ(app->commands().find("DCOMPARE"), nullptr);
  void* found = nullptr;
  EXPECT_TRUE(factory->queryInterface(kIID_ICmdFactory, &found));
  static_cast<ICmdFactory*>(found)->release();
}
