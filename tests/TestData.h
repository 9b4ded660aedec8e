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

// Every file under a folder of the test data with the given extension, sorted.
inline std::vector<std::filesystem::path> testDataFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::filesystem::path> files;
  std::filesystem::path dir = testDataDir() / folder;
  if (!std::filesystem::is_directory(dir)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
    if (entry.is_regular_file() && entry.path().extension() == extension) files.push_back(entry.path());
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

#define SKIP_WITHOUT_TESTDATA() \
  if (!hasTestData()) GTEST_SKIP() << "no test drawings at " << testDataDir()
