#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Real drawings made by other programs live beside the project, not in it.
inline std::filesystem::path testDataDir() { return std::filesystem::path(DC_TESTDATA); }

inline bool hasTestData() { return std::filesystem::is_directory(testDataDir()); }

// A file left under an old name that only holds the new name of a file beside it.
inline bool isRenameLink(const std::filesystem::directory_entry& entry) {
  if (entry.file_size() > 255) return false;
  std::ifstream in(entry.path());
  std::string target;
  std::getline(in, target);
  return !target.empty() && std::filesystem::is_regular_file(entry.path().parent_path() / target);
}

// Every file under a folder of the test data with the given extension, sorted.
inline std::vector<std::filesystem::path> testDataFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::filesystem::path> files;
  std::filesystem::path dir = testDataDir() / folder;
  if (!std::filesystem::is_directory(dir)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
    if (entry.is_regular_file() && entry.path().extension() == extension && !isRenameLink(entry))
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

// One drawing saved by AutoCAD as ASCII DXF and as binary DXF.
struct AsciiBinaryTwins {
  std::filesystem::path ascii, binary;
};

// The twins the test data holds. The AC1027 ones come from two commits of
// the same sample that hold the same drawing.
inline std::vector<AsciiBinaryTwins> asciiBinaryTwins() {
  const AsciiBinaryTwins all[] = {
      {"pairs/twin_ascii_vs_binary_AC1024/a.dxf", "pairs/twin_ascii_vs_binary_AC1024/b.dxf"},
      {"dwg-twins/acadsharp_sample_AC1027/b.dxf", "dxf/sample_binary_AC1027.dxf"},
  };
  std::vector<AsciiBinaryTwins> present;
  for (const auto& twins : all)
    if (std::filesystem::exists(testDataDir() / twins.ascii) && std::filesystem::exists(testDataDir() / twins.binary))
      present.push_back({testDataDir() / twins.ascii, testDataDir() / twins.binary});
  return present;
}

#define SKIP_WITHOUT_TESTDATA() \
  if (!hasTestData()) GTEST_SKIP() << "no test drawings at " << testDataDir()
