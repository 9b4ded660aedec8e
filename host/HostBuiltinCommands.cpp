#include "HostBuiltinCommands.h"

#include "HostApp.h"
#include "HostCmdProcess.h"
#include "HostGsDevice.h"
#include "HostText.h"
#include "OdError.h"

#include <cmath>

namespace {
using BuiltinRun = int (*)(HostApp& app, HostCmdProcess& process);

class BuiltinCommand : public UnknownImpl<ICmdRun> {
 public:
  explicit BuiltinCommand(BuiltinRun body) : m_body(body) {}

  int run(ICmdProcess* process) override {
    HostApp* app = HostApp::current();
    if (!app) throw OdError(eNotApplicable, "no application is running");
    return m_body(*app, static_cast<HostCmdProcess&>(*process));
  }
  bool queryInterface(const char* iid, void** out) override {
    *out = nullptr;
    if (!sameInterfaceId(iid, kIID_ICmdRun) && !sameInterfaceId(iid, kIID_IUnknownLike)) return false;
    addRef();
    *out = static_cast<ICmdRun*>(this);
    return true;
  }

 private:
  BuiltinRun m_body;
};

template <BuiltinRun body>
ICmdRun* create() {
  return new BuiltinCommand(body);
}

HostDocument* currentDocument(HostApp& app) {
  HostDocument* doc = app.docManager().curDocument();
  if (!doc) throw OdError(eNotApplicable, "no drawing is open");
  return doc;
}

int newDrawing(HostApp& app, HostCmdProcess&) {
  HostDocument* doc = nullptr;
  OdResult result = app.docManager().newDocument(&doc);
  if (result != eOk) throw OdError(result);
  doc->commandLine().print("New drawing " + doc->name());
  return kCmdOk;
}

int openDrawing(HostApp& app, HostCmdProcess&) {
  OdString path;
  if (app.editor().getString("Enter name of drawing to open:", path) != kPromptOk) return kCmdCancelled;
  HostDocument* doc = app.docManager().openDocument(path);
  doc->commandLine().print("Opened " + path);
  return kCmdOk;
}

int saveDrawing(HostApp& app, HostCmdProcess& process) {
  HostDocument* doc = currentDocument(app);
  HostDocLock lock(app.docManager(), doc, process.globalName());
  app.docManager().save(doc);
  app.docManager().print("Saved " + doc->filePath());
  return kCmdOk;
}

int saveDrawingAs(HostApp& app, HostCmdProcess& process) {
  HostDocument* doc = currentDocument(app);
  OdString path;
  if (app.editor().getString("Enter file name to save as:", path) != kPromptOk) return kCmdCancelled;
  HostDocLock lock(app.docManager(), doc, process.globalName());
  app.docManager().saveAs(doc, path);
  app.docManager().print("Saved " + path);
  return kCmdOk;
}

int closeDrawing(HostApp& app, HostCmdProcess&) {
  app.docManager().closeDocument(currentDocument(app));
  return kCmdOk;
}

int zoomAll(HostApp& app, HostCmdProcess&) {
  app.window().zoomAll(currentDocument(app));
  return kCmdOk;
}

int zoom(HostApp& app, HostCmdProcess& process) {
  currentDocument(app);
  OdString option;
  if (app.editor().getString("Specify zoom option [All]:", option) != kPromptOk) return kCmdCancelled;
  if (option.iCompare("A") != 0 && option.iCompare("All") != 0)
    throw OdError(eInvalidInput, "zoom option \"" + option + "\" is not supported; use All");
  // Observers know the zoom by what it did, as if ZOOMALL had been typed.
  process.setGlobalName("ViewZoomAll");
  return zoomAll(app, process);
}

int regen(HostApp& app, HostCmdProcess&) {
  app.window().regen(1);
  return kCmdOk;
}

int setVar(HostApp& app, HostCmdProcess&) {
  HostEditor& editor = app.editor();
  OdString name, value;
  if (editor.getString("Enter variable name:", name) != kPromptOk) return kCmdCancelled;
  if (!editor.getVar(name)) throw OdError(eKeyNotFound, "unknown variable \"" + name + "\"");
  if (editor.getString("Enter new value for " + name.upper() + ":", value) != kPromptOk) return kCmdCancelled;
  if (!editor.setVarFromText(name, value))
    throw OdError(eInvalidInput, "invalid value \"" + value + "\" for " + name.upper());
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

int exportView(HostApp& app, HostCmdProcess&) {
  HostDocument* doc = currentDocument(app);
  OdString path;
  if (app.editor().getString("Enter file name to export (.png or .svg):", path) != kPromptOk) return kCmdCancelled;
  int width = exportSide(app, "Enter width in pixels <1600>:", 1600);
  int height = exportSide(app, "Enter height in pixels:", width * 3 / 4);
  doc->device()->exportView(path, width, height);
  app.docManager().print("Exported " + path);
  return kCmdOk;
}

int quit(HostApp& app, HostCmdProcess&) {
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
