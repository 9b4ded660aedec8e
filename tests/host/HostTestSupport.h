#pragma once

#include "HostApp.h"
#include "HostEditorReactor.h"
#include "HostCmdProcess.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
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
  void commandCancelled(const OdString& name) override { events.push_back("cancelled " + name.utf8()); }
  void endDeepClone(OdDbIdMapping&) override { events.push_back("endDeepClone"); }
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

// An application whose profile is a file of the test's own.
class HostAppTest : public ::testing::Test {
 protected:
  HostAppTest() : app(options(dir)) {}
  static HostAppOptions options(const TempDir& dir) {
    HostAppOptions o;
    o.profilePath = OdString(dir / "profile");
    return o;
  }
  std::string log() { return joined(app.docManager().commandLine().log()); }

  TempDir dir;
  HostApp app;
};
