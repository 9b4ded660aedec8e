#pragma once

#include "HostApp.h"
#include "HostEditorReactor.h"
#include "HostHeadlessWindow.h"
#include "IProfile.h"
#include "HostCmdProcess.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// A folder of its own for each test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "host_tests.XXXXXX").string();
    m_path = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  const std::filesystem::path& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

inline std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ProgramRun {
  int status;
  std::string output;  // standard output and standard error together
};

inline std::string shellQuoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs a program as a script would, in the folder, with a profile and a
// modules folder there, through a launcher (xvfb-run) when one is given.
inline ProgramRun runProgramIn(const TempDir& dir, const std::string& launcher, const std::string& program,
                               const std::vector<std::string>& args) {
  std::string command = "cd " + shellQuoted(dir.path().string()) + " && CADHOST_PROFILE=" +
                        shellQuoted(dir / "profile") + " CADHOST_MODULES=" + shellQuoted(dir / "modules") + " " +
                        launcher + " " + shellQuoted(program);
  for (const std::string& a : args) command += " " + shellQuoted(a);
  command += " 2>&1";
  ProgramRun result{-1, ""};
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) result.output.append(buf, n);
  int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline void writeText(const std::filesystem::path& path, const std::string& text) { std::ofstream(path) << text; }

// Everything a command line printed, one line after another.
inline std::string joined(const std::vector<OdString>& lines) {
  std::string out;
  for (const OdString& l : lines) out += l.utf8() + "\n";
  return out;
}

// What the editor told about commands and databases, as "event name" strings.
class RecordingEditorReactor : public HostEditorReactor {
 public:
  void commandWillStart(const OdString& name) override { events.push_back("willStart " + name.utf8()); }
  void commandEnded(const OdString& name) override { events.push_back("ended " + name.utf8()); }
  void commandFailed(const OdString& name) override { events.push_back("failed " + name.utf8()); }
  void sysVarChanged(const OdString& name) override { events.push_back("sysVarChanged " + name.utf8()); }
  std::vector<std::string> events;
};
using RecordingReactor = OdStaticRxObject<RecordingEditorReactor>;

// A command whose body a test sets. Each slot number is its own command
// class, since creators are plain functions.
template <int Slot>
class TestCommand : public HostCmdProcessImpl {
 public:
  static inline std::function<int(TestCommand&)> body;
  static int create(ICmdProcess** made) { return hostCreateCommand<TestCommand>(made); }

  int run() override { return body ? body(*this) : kCmdOk; }
  using HostCmdProcessImpl::hostContext;
};

template <int Slot>
void addTestCommand(HostApp& app, const char* name, std::function<int(TestCommand<Slot>&)> body) {
  TestCommand<Slot>::body = std::move(body);
  HostCommandRegistry::Entry entry;
  entry.name = name;
  entry.creator = &TestCommand<Slot>::create;
  entry.group = "TEST";
  app.commands().add(entry);
}

// The host's window in tests: headless, and it keeps what it was asked to do.
class RecordingWindow : public HostHeadlessWindow {
 public:
  using HostHeadlessWindow::HostHeadlessWindow;
  void zoomAll(HostDocument* doc) override {
    ++zoomAlls;
    HostHeadlessWindow::zoomAll(doc);
  }
  void regen(int mode) override {
    regenModes.push_back(mode);
    HostHeadlessWindow::regen(mode);
  }
  void setSpatialFilter(OdDbObjectId blockReference, const OdGePoint2d* boundary, int pointCount, const OdGePlane&,
                        bool enable) override {
    spatialFilters.push_back({blockReference, boundary ? pointCount : 0, enable});
  }

  struct SpatialFilter {
    OdDbObjectId blockReference;
    int pointCount;
    bool enable;
  };
  int zoomAlls = 0;
  std::vector<int> regenModes;
  std::vector<SpatialFilter> spatialFilters;
};

// A running host with a profile of its own and a recording window: the host
// services every test meets, whether it tests the host or a plug-in in it.
// The host starts with the fixture, so that fixtures built on it may use it
// from their constructors; TearDown shuts it down.
class HostFixture : public ::testing::Test {
 protected:
  HostFixture() { startHost(); }
  void TearDown() override { app.reset(); }

  void startHost() {
    HostAppOptions options;
    options.profilePath = OdString(dir / "profile.ini");
    app = std::make_unique<HostApp>(options);
    app->setWindow(std::make_unique<RecordingWindow>(app->docManager()));
  }
  // Shuts the host down (the profile is written) and starts a new one on the same profile.
  void restartHost() {
    app.reset();
    startHost();
  }

  // Throws while a test's own window stands in.
  RecordingWindow& window() { return dynamic_cast<RecordingWindow&>(app->window()); }
  HostRefPtr<IProfileSection> profileSection(const char* path, bool create = false) {
    return HostRefPtr<IProfileSection>::adopt(app->profile().openSection(path, create));
  }
  // Everything the command line printed so far.
  std::string commandLog() { return joined(app->docManager().commandLine().log()); }

  TempDir dir;
  std::unique_ptr<HostApp> app;
};
