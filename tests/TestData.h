#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Real drawings made by other programs live beside the project, not in it.
inline std::filesystem::path testDataDir() { return std::filesystem::path(DC_TESTDATA); }

// The drawings tests name, in this one place: the files keep the names they came with, some
// of which name the program that wrote them. Paths are relative to the test data.
namespace testdata {
// A floor plan with annotations, polylines of constant width and mirrored blocks.
inline constexpr const char* kFloorPlan = "dxf/floorplan_mechanical_AC1018.dxf";
// A table entity with its anonymous block.
inline constexpr const char* kTable = "dxf/acad_table_simple_AC1027.dxf";
// Entities of many kinds, with transparency and a true colour.
inline constexpr const char* kKinetics = "dxf/librecad_kinetics_dxfrw_AC1021.dxf";
// Entities written under a code page.
inline constexpr const char* kCodePageEntities = "dxf/qcadcam_entities_ascii_codepage_AC1024.dxf";
// A vertical dimension written without a block, and the dimension style it names.
inline constexpr const char* kBlocklessDimension = "dxf/qcadpro_dimension_vertical_AC1027.dxf";
inline constexpr const char* kBlocklessDimensionStyle = "QCADDimStyle";
// The ASCII twin of dxf/sample_binary_AC1027.dxf.
inline constexpr const char* kSampleAscii = "dwg-twins/acadsharp_sample_AC1027/b.dxf";
// A DWG of the 2000 format with entities of many kinds.
inline constexpr const char* kDwg2000 = "dwg/ts1_AC1015.dwg";
// Folders of one drawing saved as DWG (a.dwg) and as DXF (b.dxf) by the same program.
inline constexpr const char* kDwgTwins2000 = "dwg-twins/acadsharp_sample_AC1015";
inline constexpr const char* kDwgTwins2007 = "dwg-twins/acadsharp_sample_AC1021";
inline constexpr const char* kDwgTwins2010 = "dwg-twins/acadsharp_sample_AC1024";
inline constexpr const char* kDwgTwins2013 = "dwg-twins/acadsharp_sample_AC1027";
inline constexpr const char* kDwgTwins2018 = "dwg-twins/acadsharp_sample_AC1032";
inline constexpr const char* kDwgTwinsExample2004 = "dwg-twins/libredwg_example_2004";
inline constexpr const char* kDwgTwinsExample2007 = "dwg-twins/libredwg_example_2007";
inline constexpr const char* kDwgTwinsExample2013 = "dwg-twins/libredwg_example_2013";
}  // namespace testdata

// A file left under an old name holds only the name of the file that replaced it, beside it:
// it is not a drawing of its own.
inline bool isStandIn(const std::filesystem::path& file) {
  if (std::filesystem::file_size(file) > 255) return false;
  std::ifstream in(file, std::ios::binary);
  std::string target;
  std::getline(in, target);
  return !target.empty() && target != file.filename().string() &&
         std::filesystem::is_regular_file(file.parent_path() / target);
}

inline bool hasTestData() { return std::filesystem::is_directory(testDataDir()); }

// Every file under a folder of the test data with the given extension, sorted.
inline std::vector<std::filesystem::path> testDataFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::filesystem::path> files;
  std::filesystem::path dir = testDataDir() / folder;
  if (!std::filesystem::is_directory(dir)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
    if (entry.is_regular_file() && entry.path().extension() == extension && !isStandIn(entry.path()))
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// The bytes of a file, empty when it cannot be read.
inline std::string fileContents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// One drawing saved by the same program as ASCII DXF and as binary DXF.
struct AsciiBinaryTwins {
  std::filesystem::path ascii, binary;
};

// The twins the test data holds. The AC1027 ones come from two commits of
// the same sample that hold the same drawing.
inline std::vector<AsciiBinaryTwins> asciiBinaryTwins() {
  const AsciiBinaryTwins all[] = {
      {"pairs/twin_ascii_vs_binary_AC1024/a.dxf", "pairs/twin_ascii_vs_binary_AC1024/b.dxf"},
      {testdata::kSampleAscii, "dxf/sample_binary_AC1027.dxf"},
  };
  std::vector<AsciiBinaryTwins> present;
  for (const auto& twins : all)
    if (std::filesystem::exists(testDataDir() / twins.ascii) && std::filesystem::exists(testDataDir() / twins.binary))
      present.push_back({testDataDir() / twins.ascii, testDataDir() / twins.binary});
  return present;
}

#define SKIP_WITHOUT_TESTDATA() \
  if (!hasTestData()) GTEST_SKIP() << "no test drawings at " << testDataDir()
