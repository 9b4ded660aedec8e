#include "HostBuiltinCommands.h"

#include "HostApp.h"
#include "HostCmdProcess.h"
#include "HostGsDevice.h"
#include "HostText.h"
#include "OdError.h"

#include <cmath>

namespace {
using BuiltinRun = int (*)(HostApp& app, HostCommandContext& run);

template <BuiltinRun body>
class BuiltinCommand : public HostCmdProcessImpl {
 public:
  int run() override {
    HostApp* app = HostApp::current();
    if (!app) throw OdError(eNotApplicable, "no application is running");
    HostCommandContext* context = hostContext();
    if (!context) throw OdError(eNotApplicable, "the command was run without a context");
    return body(*app, *context);
  }
};

template <BuiltinRun body>
int create(ICmdProcess** made) {
  return hostCreateCommand<BuiltinCommand<body>>(made);
}

HostDocument* currentDocument(HostApp& app) {
  HostDocument* doc = app.docManager().curDocument();
  if (!doc) throw OdError(eNotApplicable, "no drawing is open");
  return doc;
}

int newDrawing(HostApp& app, HostCommandContext&) {
  HostDocument* doc = nullptr;
  OdResult result = app.docManager().newDocument(&doc);
  if (result != eOk) throw OdError(result);
  doc->commandLine().print("New drawing " + doc->name());
  return kCmdOk;
}

int openDrawing(HostApp& app, HostCommandContext&) {
  OdString path;
  if (app.editor().getString("Enter name of drawing to open:", path) != kPromptOk) return kCmdCancelled;
  HostDocument* doc = app.docManager().openDocument(path);
  doc->commandLine().print("Opened " + path);
  return kCmdOk;
}

int saveDrawing(HostApp& app, HostCommandContext& process) {
  HostDocument* doc = currentDocument(app);
  HostDocLock lock(app.docManager(), doc, process.globalName());
  app.docManager().save(doc);
  app.docManager().print("Saved " + doc->filePath());
  return kCmdOk;
}

int saveDrawingAs(HostApp& app, HostCommandContext& process) {
  HostDocument* doc = currentDocument(app);
  OdString path;
  if (app.editor().getString("Enter file name to save as:", path) != kPromptOk) return kCmdCancelled;
  HostDocLock lock(app.docManager(), doc, process.globalName());
  app.docManager().saveAs(doc, path);
  app.docManager().print("Saved " + path);
  return kCmdOk;
}

int closeDrawing(HostApp& app, HostCommandContext&) {
  app.docManager().closeDocument(currentDocument(app));
  return kCmdOk;
}

int zoomAll(HostApp& app, HostCommandContext&) {
  app.window().zoomAll(currentDocument(app));
  app.services().phaseTimes().mark("draw for the zoom-all");
  return kCmdOk;
}

int zoom(HostApp& app, HostCommandContext& process) {
  currentDocument(app);
  OdString option;
  if (app.editor().getString("Specify zoom option [All]:", option) != kPromptOk) return kCmdCancelled;
  if (option.iCompare("A") != 0 && option.iCompare("All") != 0)
    throw OdError(eInvalidInput, "zoom option \"" + option + "\" is not supported; use All");
  // Observers know the zoom by what it did, as if ZOOMALL had been typed.
  process.setGlobalName("ViewZoomAll");
  return zoomAll(app, process);
}

int regen(HostApp& app, HostCommandContext&) {
  app.window().regen(1);
  return kCmdOk;
}

int setVar(HostApp& app, HostCommandContext&) {
  HostEditor& editor = app.editor();
  OdString name, value;
  if (editor.getString("Enter variable name:", name) != kPromptOk) return kCmdCancelled;
  if (!editor.getVar(name)) throw OdError(eKeyNotFound, "unknown variable \"" + name + "\"");
  if (editor.getString("Enter new value for " + name.upper() + ":", value) != kPromptOk) return kCmdCancelled;
  if (!editor.setVarFromText(name, value)) throw OdError(eInvalidInput, editor.variables().refusal(name, value));
  return kCmdOk;
}

// A size answer, when one is left: a whole number of pixels.
int exportSide(HostApp& app, const char* prompt, int fallback) {
  if (app.editor().pendingAnswers().empty()) return fallback;
  OdString text;
  app.editor().getString(prompt, text);
  double value = 0;
  if (!hostParseNumber(text.utf8(), value) || value != std::floor(value) || value < 1 || value > 100000)
    throw OdError(eInvalidInput, "invalid size \"" + text + "\"; give a number of pixels");
  return static_cast<int>(value);
}

int exportView(HostApp& app, HostCommandContext&) {
  HostDocument* doc = currentDocument(app);
  OdString path;
  if (app.editor().getString("Enter file name to export (.png or .svg):", path) != kPromptOk) return kCmdCancelled;
  int width = exportSide(app, "Enter width in pixels <1600>:", 1600);
  int height = exportSide(app, "Enter height in pixels:", width * 3 / 4);
  doc->device()->exportView(path, width, height, app.docManager().protectedFiles());
  app.docManager().print("Exported " + path);
  return kCmdOk;
}

int quit(HostApp& app, HostCommandContext&) {
  app.processor().requestQuit();
  return kCmdOk;
}
}  // namespace

void hostRegisterBuiltinCommands(HostCommandRegistry& registry) {
  struct Builtin {
    const char* name;
    const char* globalName;
    HostCmdCreator creator;
  };
  const Builtin builtins[] = {
      {"NEW", nullptr, &create<newDrawing>},   {"OPEN", nullptr, &create<openDrawing>},
      {"SAVE", nullptr, &create<saveDrawing>},        {"SAVEAS", nullptr, &create<saveDrawingAs>},
      {"CLOSE", nullptr, &create<closeDrawing>},      {"ZOOM", nullptr, &create<zoom>},
      {"ZOOMALL", "ViewZoomAll", &create<zoomAll>}, {"REGEN", nullptr, &create<regen>},
      {"SETVAR", nullptr, &create<setVar>},    {"QUIT", nullptr, &create<quit>},
      {"EXPORT", nullptr, &create<exportView>},
  };
  for (const Builtin& b : builtins) {
    HostCommandRegistry::Entry entry;
    entry.name = b.name;
    entry.globalName = b.globalName ? OdString(b.globalName) : OdString();
    entry.creator = b.creator;
    entry.group = "HOST";
    registry.add(entry);
  }
}
