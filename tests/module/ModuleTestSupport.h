#pragma once

#include "HostApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

// A folder of its own for each test, removed afterwards.
class ModuleTempDir {
 public:
  ModuleTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "module_tests.XXXXXX").string();
    m_path = ::mkdtemp(pattern.data());
  }
  ~ModuleTempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  const std::filesystem::path& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

// A running host with a profile of its own, as the module meets it when loaded.
class HostFixture : public ::testing::Test {
 protected:
  void SetUp() override { startHost(); }
  void TearDown() override { app.reset(); }

  void startHost() {
    HostAppOptions options;
    options.profilePath = OdString(dir / "profile.ini");
    app = std::make_unique<HostApp>(options);
  }
  // Shuts the host down (the profile is written) and starts a new one on the same profile.
  void restartHost() {
    app.reset();
    startHost();
  }

  ModuleTempDir dir;
  std::unique_ptr<HostApp> app;
};
