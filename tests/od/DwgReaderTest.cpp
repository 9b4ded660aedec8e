// DWG drawings made by other programs, read through the converter.

#include "DbBlockTableRecord.h"
#include "DrawingFile.h"
#include "DwgReader.h"
#include "OdError.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

#define SKIP_WITHOUT_CONVERTER() \
  if (!odDwgConverterAvailable()) GTEST_SKIP() << "the DWG converter is not installed (./run deps)"

std::map<std::string, int> entityCountsByClass(OdDbDatabase* db) {
  std::map<std::string, int> counts;
  OdDbObjectPtr modelSpace = db->getModelSpaceId().openObject();
  for (OdDbObjectId id : static_cast<OdDbBlockTableRecord*>(modelSpace.get())->entityIds())
    ++counts[id.openObject()->isA()->name().utf8()];
  return counts;
}

double julianDate(OdDbDatabase* db, const char* name) {
  const OdDbDatabase::HeaderVariable* variable = db->headerVariable(name);
  return variable && !variable->groups.empty() ? std::strtod(variable->groups.front().text.c_str(), nullptr) : 0;
}

std::vector<std::filesystem::path> twinFolders() {
  std::vector<std::filesystem::path> folders;
  for (const auto& dwg : testDataFiles("dwg-twins", ".dwg")) folders.push_back(dwg.parent_path());
  return folders.empty() ? std::vector<std::filesystem::path>{""} : folders;
}

std::string testName(const testing::TestParamInfo<std::filesystem::path>& info) {
  std::string name = info.param.empty() ? "none" : info.param.filename().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

class DwgTwin : public testing::TestWithParam<std::filesystem::path> {};

// A DWG reads as the DXF its program saved of the same drawing: the same
// entities by class, the same author, the same date saved.
TEST_P(DwgTwin, ReadsAsItsDxfTwin) {
  SKIP_WITHOUT_TESTDATA();
  SKIP_WITHOUT_CONVERTER();
  std::string dwgPath = (GetParam() / "a.dwg").string(), dxfPath = (GetParam() / "b.dxf").string();
  OdDbDatabasePtr dxf = odReadDrawingFile(OdString(dxfPath));
  OdDbDatabasePtr dwg;
  try {
    dwg = odReadDrawingFile(OdString(dwgPath));
  } catch (const OdError& e) {
    // The converter's known fault: its DXF writer fails on R2004 drawings.
    EXPECT_NE(e.description().utf8().find("cannot read DWG AC1018 drawing"), std::string::npos) << e.description().utf8();
    return;
  }
  EXPECT_EQ(entityCountsByClass(dwg.get()), entityCountsByClass(dxf.get()));
  EXPECT_EQ(dwg->lastSavedBy(), dxf->lastSavedBy());
  EXPECT_NEAR(julianDate(dwg.get(), "$TDUUPDATE"), julianDate(dxf.get(), "$TDUUPDATE"), 60.0 / 86400);
}
INSTANTIATE_TEST_SUITE_P(TestData, DwgTwin, testing::ValuesIn(twinFolders()), testName);

TEST(DwgReader, WithoutTheConverterADwgIsRefusedSayingSo) {
  SKIP_WITHOUT_TESTDATA();
  std::string path = (testDataDir() / testdata::kDwg2000).string();
  setenv("OD_DWG_CONVERTER", "/nonexistent", 1);
  try {
    odReadDrawingFile(OdString(path));
    ADD_FAILURE() << "read";
  } catch (const OdError& e) {
    EXPECT_EQ(e.description().utf8(),
              path + ": cannot read DWG AC1015 drawing: the DWG converter is not installed (./run deps installs it)");
  }
  unsetenv("OD_DWG_CONVERTER");
}

TEST(DrawingFile, NeitherDxfNorDwgIsRefusedWithoutItsBytes) {
  std::filesystem::path path = std::filesystem::temp_directory_path() / "drawing-file-test.dxf";
  {
    std::ofstream out(path, std::ios::binary);
    out << std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  }
  try {
    odReadDrawingFile(OdString(path.string()));
    ADD_FAILURE() << "read";
  } catch (const OdError& e) {
    EXPECT_EQ(e.description().utf8(), path.string() + ": not a DXF or DWG drawing");
  }
  std::filesystem::remove(path);
}

}  // namespace
