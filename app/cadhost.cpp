// cadhost: the host application. With a display it shows its main window;
// with --headless (or no display) it draws its views offscreen only. Either
// way it opens the files given and types the command lines given, in order;
// the exit status says whether every command succeeded.

#include "CadhostArguments.h"
#include "HostApp.h"
#include "HostExports.h"
#include "HostMainWindow.h"
#include "HostOutputTransaction.h"
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
bool commandLinesOf(const CadhostOptions& options, std::vector<std::string>& lines) {
  for (const std::string& drawing : options.drawings) lines.push_back("OPEN \"" + drawing + "\"");
  for (const CadhostInput& input : options.inputs) {
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
bool startUp(HostApp& app, const CadhostOptions& options, const std::vector<std::string>& lines, const LineRunner& run) {
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

int runHeadless(const CadhostOptions& options, const std::vector<std::string>& lines) {
  HostApp app(hostOptions());
  bool ok = startUp(app, options, lines, [&app](const OdString& line) { return app.typeLine(line); });
  return exitStatus(app, ok);
}

int runWindow(int argc, char** argv, const CadhostOptions& options, const std::vector<std::string>& lines) {
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
  CadhostOptions options;
  if (int status = parseCadhostArguments(argc, argv, options)) return status < 0 ? 0 : status;
  bool window = !options.headless && hasDisplay();
  if (!options.headless && !window) std::fputs("cadhost: no display; running headless\n", stderr);
  if (!window && !options.screenshot.empty()) return cadhostUsageError("--screenshot needs the window (a display)");
  std::vector<std::string> lines;
  if (!commandLinesOf(options, lines)) return 1;
  return window ? runWindow(argc, argv, options, lines) : runHeadless(options, lines);
}
