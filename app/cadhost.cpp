// cadhost: the host application. Without a window for now: it types the
// command lines it is given, in order, and exits 0 only when all succeeded.

#include "HostApp.h"
#include "HostExports.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

extern "C" __attribute__((visibility("default"))) const wchar_t* GetMainDllNameW() { return hostLibraryFileName(); }

namespace {
const char kUsage[] =
    "usage: cadhost [--headless] [--load MODULE.so]... [-c \"CMD ARGS;CMD...\"]... [--script FILE]...\n"
    "  --headless      no window (the only mode for now)\n"
    "  --load FILE     load a plug-in module besides those of the modules folder\n"
    "                  (CADHOST_MODULES, else \"modules\" beside the program)\n"
    "  -c LINE         type a command line; ';' separates commands\n"
    "  --script FILE   type each line of FILE\n"
    "The profile is CADHOST_PROFILE, else $XDG_CONFIG_HOME/cadhost/profile; its\n"
    "\"Startup\" section's commands run first. Exit status: 0 when every command succeeded.\n";

struct Input {
  bool isScript;
  std::string text;
};

int usageError(const std::string& message) {
  std::fprintf(stderr, "cadhost: %s\n%s", message.c_str(), kUsage);
  return 2;
}

bool readScript(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path);
  if (!in) return false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    lines.push_back(line);
  }
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> modules;
  std::vector<Input> inputs;
  bool headless = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--headless") headless = true;
    else if (arg == "-h" || arg == "--help") { std::fputs(kUsage, stdout); return 0; }
    else if (arg == "--load" && hasValue) modules.push_back(argv[++i]);
    else if (arg == "-c" && hasValue) inputs.push_back({false, argv[++i]});
    else if (arg == "--script" && hasValue) inputs.push_back({true, argv[++i]});
    else if (arg == "--load" || arg == "-c" || arg == "--script") return usageError(arg + " needs a value");
    else return usageError("unknown argument " + arg);
  }
  if (!headless) std::fputs("cadhost: there is no window yet; running headless\n", stderr);

  // Scripts are read before anything runs, so a missing one changes nothing.
  std::vector<std::string> lines;
  for (const Input& input : inputs) {
    if (!input.isScript) lines.push_back(input.text);
    else if (!readScript(input.text, lines)) {
      std::fprintf(stderr, "cadhost: cannot read script %s: %s\n", input.text.c_str(), std::strerror(errno));
      return 2;
    }
  }

  HostAppOptions options;
  options.echo = true;
  HostApp app(options);
  bool ok = true;
  for (const OdString& error : app.modules().loadFolder(HostModules::defaultFolder())) {
    std::fprintf(stderr, "cadhost: %s\n", error.utf8().c_str());
    ok = false;
  }
  for (const std::string& module : modules) {
    OdString error;
    if (!app.modules().load(OdString(module), error)) {
      std::fprintf(stderr, "cadhost: %s\n", error.utf8().c_str());
      ok = false;
    }
  }
  ok = app.runStartup() && ok;
  for (const std::string& line : lines) {
    if (app.processor().quitRequested()) break;
    ok = app.typeLine(OdString(line)) && ok;
  }
  app.shutdown();
  return ok && app.processor().failures() == 0 ? 0 : 1;
}
