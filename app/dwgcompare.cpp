// dwgcompare: compares two drawings without a window. The host runs with
// the comparison module loaded, as a user would run -DWGCOMPARE, and writes
// the result drawing, its painted view and a report as asked.

#include "DwgcompareArguments.h"
#include "HostApp.h"
#include "HostExports.h"
#include "HostOutputTransaction.h"
#include "HostText.h"
#include "HostVersion.h"
#include "OdError.h"

#include <climits>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

extern "C" __attribute__((visibility("default"))) const wchar_t* GetMainDllNameW() { return hostLibraryFileName(); }

namespace {
const char kUsageLine[] =
    "usage: dwgcompare FILE1 FILE2 [-o RESULT.dxf] [--png P.png] [--svg S.svg] [--json J.json]\n"
    "                  [--props N] [--tolerance N] [--changes] [--zoom-changes DIR] [--timings]\n"
    "                  | --help | --version\n";
const char kHelp[] =
    "  FILE1, FILE2     the original drawing and the one to compare with it, DXF or DWG\n"
    "  -o FILE          save the result drawing (it remembers the compared pair)\n"
    "  --png, --svg     write the painted result: green only in File 1, red only in File 2, grey in both\n"
    "  --json FILE      write the counts, the compared files and the changes as JSON\n"
    "  --changes        print one line per change: objects near each other that differ\n"
    "  --zoom-changes DIR  write one PNG per change into the folder, zoomed to it (change_001.png...)\n"
    "  --props N        COMPAREPROPS: display properties that count (1 colour, 2 layer, 4 linetype,\n"
    "                   8 linetype scale, 16 lineweight, 32 transparency; add them up)\n"
    "  --tolerance N    COMPARETOLERANCE: decimal places that count, 0 to 14 (default 6)\n"
    "  --timings        print each phase's time and the peak memory so far on standard error\n"
    "Outputs are written together when all of them succeeded; none may be an input.\n"
    "DWG (R13 to 2018) is read through LibreDWG (GPL-3.0), run by Node.js in a process of its own.\n"
    "The comparison module is libdwgcompare.so beside the program, or DWGCOMPARE_MODULE.\n"
    "Exit status: 0 done, 1 an input or output failed or a layout could not be compared,\n"
    "2 a wrong command line.\n";

// The first line of the report's list of layouts that failed to compare.
const char kFailureReportCaption[] = "Comparison Failure Report";

int usageError(const std::string& message) {
  std::fprintf(stderr, "dwgcompare: %s\n%s(dwgcompare --help tells more)\n", message.c_str(), kUsageLine);
  return 2;
}

int failure(const std::string& message) {
  std::fprintf(stderr, "dwgcompare: %s\n", message.c_str());
  return 1;
}

// Sets the comparison's variables as asked; empty when they took the values.
std::string setVariables(HostApp& app, const DwgcompareOptions& options) {
  for (auto [option, name, value] : {std::tuple{"--props", "COMPAREPROPS", &options.props},
                                     std::tuple{"--tolerance", "COMPARETOLERANCE", &options.tolerance}})
    if (!value->empty() && !app.editor().setVarFromText(name, OdString(*value)))
      return std::string(option) + ": " + app.editor().variables().refusal(name, OdString(*value)).utf8();
  return std::string();
}

std::string moduleFile(const char* program) {
  if (const char* module = std::getenv("DWGCOMPARE_MODULE")) return module;
  std::error_code ec;
  std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(program);
  return (self.parent_path() / "libdwgcompare.so").string();
}

// Absolute, for the report and the saved result, unless the working folder
// is too deep for one: then as given, which still finds the file.
std::string answerFor(const std::string& path) {
  std::error_code ec;
  std::string absolute = std::filesystem::absolute(path, ec).string();
  return ec || absolute.size() >= PATH_MAX ? path : absolute;
}

// A command and the answers to its prompts.
struct Step {
  std::string command;
  std::vector<std::string> answers;
  std::string line() const {
    std::string text = command;
    for (const std::string& answer : answers) text += " \"" + answer + "\"";
    return text;
  }
};

// The steps that do what was asked, in order.
std::vector<Step> stepsOf(const DwgcompareOptions& options) {
  std::vector<Step> steps;
  steps.push_back({"-DWGCOMPARE", {answerFor(options.file1), answerFor(options.file2)}});
  steps.push_back({"-COMPAREREPORT", {}});
  if (!options.json.empty()) steps.back().answers.push_back(answerFor(options.json));
  if (options.changes) steps.push_back({"-COMPARECHANGES", {}});
  if (!options.png.empty()) steps.push_back({"EXPORT", {answerFor(options.png)}});
  if (!options.svg.empty()) steps.push_back({"EXPORT", {answerFor(options.svg)}});
  if (!options.zoomChanges.empty()) steps.push_back({"-COMPAREZOOMEXPORT", {answerFor(options.zoomChanges)}});
  if (!options.result.empty()) steps.push_back({"SAVEAS", {answerFor(options.result)}});
  return steps;
}

// The host echoes each prompt with its answer: news only to a user who typed them.
bool isEcho(const std::string& logLine, const Step& step) {
  if (logLine.rfind("Command: ", 0) == 0) return true;
  for (const std::string& answer : step.answers) {
    std::string echo = ": " + answer;
    if (logLine.size() >= echo.size() && logLine.compare(logLine.size() - echo.size(), echo.size(), echo) == 0)
      return true;
  }
  return false;
}

// What the host told the user since the given line of its log.
void printSince(const HostCommandLine& commandLine, size_t from, const Step& step, FILE* out) {
  const std::vector<OdString>& log = commandLine.log();
  for (size_t i = from; i < log.size(); ++i) {
    std::string line = log[i].utf8();
    size_t start = line.find_first_not_of('\n');
    if (start != std::string::npos && !isEcho(line, step)) std::fprintf(out, "%s\n", line.c_str() + start);
  }
}

// Whether the report printed since the given line of the log lists a layout that failed to compare.
bool reportsFailedLayout(const HostCommandLine& commandLine, size_t from) {
  const std::vector<OdString>& log = commandLine.log();
  for (size_t i = from; i < log.size(); ++i)
    if (log[i] == OdString(kFailureReportCaption)) return true;
  return false;
}

// Runs the comparison and writes every output, or none; the exit status.
int compare(HostApp& app, const DwgcompareOptions& options, const char* program) {
  HostOutputTransaction outputs;
  try {
    for (const std::string& file : {options.file1, options.file2}) hostRequireInputFile(OdString(file));
    if (!options.zoomChanges.empty() && !std::filesystem::is_directory(options.zoomChanges))
      return failure("--zoom-changes " + options.zoomChanges + ": not a folder");
    outputs.addInputs({OdString(options.file1), OdString(options.file2)});
    for (const DwgcompareOutput& output : outputsOf(options))
      if (!output.path.empty()) outputs.claim(OdString(output.path));
  } catch (const OdError& e) {
    return failure(e.description().utf8());
  }
  OdString error;
  if (!app.modules().load(OdString(moduleFile(program)), error)) return failure(error.utf8());
  bool layoutFailed = false;
  for (const Step& step : stepsOf(options)) {
    HostCommandLine& commandLine = app.docManager().commandLine();
    size_t before = commandLine.log().size();
    bool ok = app.typeLine(OdString(step.line()));
    // The comparison's result document became current: its log holds the rest.
    HostCommandLine& after = app.docManager().commandLine();
    bool isReport = step.command == "-COMPAREREPORT" || step.command == "-COMPARECHANGES";
    size_t from = &after == &commandLine ? before : 0;
    if (!ok || isReport) printSince(after, from, step, ok ? stdout : stderr);
    if (!ok) return failure("failed: " + step.line());
    app.services().phaseTimes().mark(step.command.c_str());
    if (step.command == "-COMPAREREPORT") layoutFailed = reportsFailedLayout(after, from);
  }
  try {
    outputs.commit();
  } catch (const OdError& e) {
    return failure(e.description().utf8());
  }
  for (const DwgcompareOutput& output : outputsOf(options))
    if (!output.path.empty()) std::printf("Wrote %s\n", output.path.c_str());
  // The outputs show what could be compared; the status says that it was not all.
  return layoutFailed ? failure("a layout could not be compared; see the failure report") : 0;
}
}  // namespace

int main(int argc, char** argv) {
  std::string first = argc == 2 ? argv[1] : "";
  if (first == "-h" || first == "--help") {
    std::printf("%s%s", kUsageLine, kHelp);
    return 0;
  }
  if (first == "--version") {
    std::printf("dwgcompare %s\n", kHostVersion);
    return 0;
  }
  DwgcompareOptions options;
  if (std::string problem = parseDwgcompareArguments(argc, argv, options); !problem.empty()) return usageError(problem);
  // A batch run reads the user's settings but leaves them as they were.
  HostAppOptions hostOptions;
  hostOptions.profileReadOnly = true;
  HostApp app(hostOptions);
  if (options.timings) app.services().phaseTimes().start(stderr);
  std::string problem = setVariables(app, options);
  int status = problem.empty() ? compare(app, options, argv[0]) : usageError(problem);
  // Every output is written and the settings are only read: the exit gives the memory back at once, where
  // closing the result drawing and unloading the module would free millions of objects and fingerprints
  // one by one, a twentieth of the run.
  std::fflush(nullptr);
  std::_Exit(status);
}
