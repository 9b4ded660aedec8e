#include "HostTestSupport.h"

#include <dlfcn.h>

using HostExportsTest = HostFixture;

TEST_F(HostExportsTest, EveryExportIsFoundByItsCName) {
  for (const char* name : {"new_ICmdFactory", "GetApp", "get_host_funcptr", "Supp_Translate", "Fio_IsFileExist",
                           "xrefDisableWatch", "xrefEnableWatch", "setSpatialFilter"})
    EXPECT_NE(dlsym(RTLD_DEFAULT, name), nullptr) << name;
}
