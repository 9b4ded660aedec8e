// cadhost: the host application. With a display it shows its main window;
// with --headless (or no display) it draws its views offscreen only. Either
// way it opens the files given and types the command lines given, in order;
// the exit status says whether every command succeeded.

#include "HostApp.h"
#include "HostExports.h"
#include "HostMainWindow.h"
#include "HostOutputTransaction.h"
#include "HostVersion.h"
#include "OdError.h"

#include <QApplication>
#include <QBuffer>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

extern "C" __attribute__((visibility("default"))) const wchar_t* GetMainDllNameW() { return hostLibraryFileName(); }

namespace {
const char kUsageLine[] =
    "usage: cadhost [--headless] [--load MODULE.so]... [-c \"CMD ARGS;CMD...\"]... [--script FILE]...\n"
    "               [--screenshot IMAGE.png] [DRAWING]... | --help | --version\n";
const char kHelp[] =
    "  --headless      no window: views draw offscreen (also when there is no display)\n"
    "  --load FILE     load a plug-in module besides those of the modules folder\n"
    "                  (CADHOST_MODULES, else \"modules\" beside the program)\n"
    "  -c LINE         type a command line; ';' separates commands\n"
    "  --script FILE   type each line of FILE\n"
    "  --screenshot F  once the window shows the drawings and the commands ran, save\n"
    "                  it as the PNG image F and quit\n"
    "  DRAWING         open it (DXF, or DWG read through LibreDWG, GPL-3.0), before the command lines run\n"
    "The profile is CADHOST_PROFILE, else $XDG_CONFIG_HOME/cadhost/profile; its\n"
    "\"Startup\" section's commands run first.\n"
    "Exit status: 0 every command succeeded, 1 a command, input or output failed, 2 a wrong command line.\n";

struct Input {
  bool isScript;
  std::string text;
};

struct Options {
  bool headless = false;
  std::vector<std::string> modules;
  std::vector<std::string> drawings;
  std::vector<Input> inputs;
  std::string screenshot;
};

int usageError(const std::string& message) {
  std::fprintf(stderr, "cadhost: %s\n%s(cadhost --help tells more)\n", message.c_str(), kUsageLine);
  return 2;
}

// 0 when the arguments are good, else the exit status.
int parseArguments(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--headless") options.headless = true;
    else if (arg == "-h" || arg == "--help") { std::printf("%s%s", kUsageLine, kHelp); return -1; }
    else if (arg == "--version") { std::printf("cadhost %s\n", kHostVersion); return -1; }
    else if (arg == "--load" && hasValue) options.modules.push_back(argv[++i]);
    else if (arg == "-c" && hasValue) options.inputs.push_back({false, argv[++i]});
    else if (arg == "--script" && hasValue) options.inputs.push_back({true, argv[++i]});
    else if (arg == "--screenshot" && hasValue) options.screenshot = argv[++i];
    else if (arg == "--load" || arg == "-c" || arg == "--script" || arg == "--screenshot")
      return usageError(arg + " needs a value");
    else if (!arg.empty() && arg[0] != '-') options.drawings.push_back(arg);
    else return usageError("unknown argument " + arg);
  }
  if (!options.screenshot.empty() && !hostHasExtension(OdString(options.screenshot), ".png"))
    return usageError("--screenshot " + options.screenshot + ": the file name must end in .png");
  return 0;
}

// Throws OdError naming the file when it cannot be read.
void readScript(const std::string& path, std::vector<std::string>& lines) {
  hostRequireInputFile(OdString(path));
  std::ifstream in(path);
  if (!in) throw OdError(eFileAccessErr, OdString(path + ": cannot read: " + std::strerror(errno)));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    lines.push_back(line);
  }
}

// The drawings to open, then the command lines, in order. Scripts are read
// before anything runs, so a missing one changes nothing.
bool commandLinesOf(const Options& options, std::vector<std::string>& lines) {
  for (const std::string& drawing : options.drawings) lines.push_back("OPEN \"" + drawing + "\"");
  for (const Input& input : options.inputs) {
    if (!input.isScript) {
      lines.push_back(input.text);
      continue;
    }
    try {
      readScript(input.text, lines);
    } catch (const OdError& e) {
      std::fprintf(stderr, "cadhost: script %s\n", e.description().utf8().c_str());
      return false;
    }
  }
  return true;
}

bool hasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* value = std::getenv(name); value && *value) return true;
  return false;
}

using LineRunner = std::function<bool(const OdString&)>;

// Loads the modules, runs the profile's startup commands and the lines;
// answers whether all of it succeeded.
bool startUp(HostApp& app, const Options& options, const std::vector<std::string>& lines, const LineRunner& run) {
  bool ok = true;
  for (const OdString& error : app.modules().loadFolder(HostModules::defaultFolder())) {
    std::fprintf(stderr, "cadhost: %s\n", error.utf8().c_str());
    ok = false;
  }
  for (const std::string& module : options.modules) {
    OdString error;
    if (!app.modules().load(OdString(module), error)) {
      std::fprintf(stderr, "cadhost: %s\n", error.utf8().c_str());
      ok = false;
    }
  }
  ok = app.runStartup() && ok;
  for (const std::string& line : lines) {
    if (app.processor().quitRequested()) break;
    ok = run(OdString(line)) && ok;
  }
  return ok;
}

int exitStatus(HostApp& app, bool ok) {
  app.shutdown();
  return ok && app.processor().failures() == 0 ? 0 : 1;
}

HostAppOptions hostOptions() {
  HostAppOptions options;
  options.echo = true;
  return options;
}

bool saveScreenshot(HostApp& app, QWidget& window, const std::string& path) {
  auto png = [&] {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!window.grab().save(&buffer, "PNG")) throw OdError(eFileWriteError, OdString(path) + ": cannot encode the screenshot");
    return bytes.toStdString();
  };
  try {
    hostWriteOutput(OdString(path), png, app.docManager().protectedFiles());
    return true;
  } catch (const OdError& e) {
    std::fprintf(stderr, "cadhost: %s\n", e.description().utf8().c_str());
    return false;
  }
}

int runHeadless(const Options& options, const std::vector<std::string>& lines) {
  HostApp app(hostOptions());
  bool ok = startUp(app, options, lines, [&app](const OdString& line) { return app.typeLine(line); });
  return exitStatus(app, ok);
}

int runWindow(int argc, char** argv, const Options& options, const std::vector<std::string>& lines) {
  QApplication qt(argc, argv);
  HostApp app(hostOptions());
  auto owned = std::make_unique<HostMainWindow>(app);
  HostMainWindow& window = *owned;
  window.setPointPromptsWait(options.screenshot.empty());
  app.setWindow(std::move(owned));
  window.show();
  bool ok = startUp(app, options, lines, [&window](const OdString& line) { return window.typeLineAndSettle(line); });
  if (app.processor().quitRequested()) return exitStatus(app, ok);
  if (!options.screenshot.empty()) {
    QTimer::singleShot(0, &window, [&] {
      ok = saveScreenshot(app, window, options.screenshot) && ok;
      window.close();
    });
  }
  qt.exec();
  return exitStatus(app, ok);
}
}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (int status = parseArguments(argc, argv, options)) return status < 0 ? 0 : status;
  bool window = !options.headless && hasDisplay();
  if (!options.headless && !window) std::fputs("cadhost: no display; running headless\n", stderr);
  if (!window && !options.screenshot.empty()) return usageError("--screenshot needs the window (a display)");
  std::vector<std::string> lines;
  if (!commandLinesOf(options, lines)) return 1;
  return window ? runWindow(argc, argv, options, lines) : runHeadless(options, lines);
}
