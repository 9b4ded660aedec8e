// dwgcompare: compares two drawings without a window. The host runs with
// the comparison module loaded, as a user would run -DWGCOMPARE, and writes
// the result drawing, its painted view and a report as asked.

#include "HostApp.h"
#include "HostExports.h"
#include "HostText.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern "C" __attribute__((visibility("default"))) const wchar_t* GetMainDllNameW() { return hostLibraryFileName(); }

namespace {
const char kUsage[] =
    "usage: dwgcompare FILE1 FILE2 [-o RESULT.dxf] [--png P.png] [--svg S.svg] [--json J.json]\n"
    "                  [--props N] [--tolerance N]\n"
    "  FILE1, FILE2     the original drawing and the one to compare with it\n"
    "  -o FILE          save the result drawing (it remembers the compared pair)\n"
    "  --png, --svg     write the painted result: green only in File 1, red only in File 2, grey in both\n"
    "  --json FILE      write the counts and the compared files as JSON\n"
    "  --props N        COMPAREPROPS: display properties that count (1 colour, 2 layer, 4 linetype,\n"
    "                   8 linetype scale, 16 lineweight, 32 transparency; add them up)\n"
    "  --tolerance N    COMPARETOLERANCE: decimal places that count (default 6)\n"
    "The comparison module is libdwgcompare.so beside the program, or DWGCOMPARE_MODULE.\n"
    "Exit status: 0 when everything asked for was done.\n";

struct Options {
  std::string file1, file2, result, png, svg, json, props, tolerance;
};

int usageError(const std::string& message) {
  std::fprintf(stderr, "dwgcompare: %s\n%s", message.c_str(), kUsage);
  return 2;
}

bool isWholeNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos && text.size() < 10;
}

// Empty when the options are usable; otherwise what is wrong.
std::string parse(int argc, char** argv, Options& options) {
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string* value = arg == "-o"            ? &options.result
                         : arg == "--png"       ? &options.png
                         : arg == "--svg"       ? &options.svg
                         : arg == "--json"      ? &options.json
                         : arg == "--props"     ? &options.props
                         : arg == "--tolerance" ? &options.tolerance
                                                : nullptr;
    if (value) {
      if (i + 1 >= argc) return arg + " needs a value";
      *value = argv[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      return "unknown option " + arg;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) return "give two drawing files";
  options.file1 = files[0];
  options.file2 = files[1];
  if (!options.props.empty() && !isWholeNumber(options.props)) return "--props wants a whole number, not " + options.props;
  if (!options.tolerance.empty() && !isWholeNumber(options.tolerance))
    return "--tolerance wants a whole number, not " + options.tolerance;
  for (const std::string& file : files)
    if (!std::filesystem::is_regular_file(file)) return file + ": file not found";
  return std::string();
}

std::string moduleFile(const char* program) {
  if (const char* module = std::getenv("DWGCOMPARE_MODULE")) return module;
  std::error_code ec;
  std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(program);
  return (self.parent_path() / "libdwgcompare.so").string();
}

std::string quoted(const std::string& path) { return "\"" + std::filesystem::absolute(path).string() + "\""; }

// The command lines that do what was asked, in order.
std::vector<std::string> commandLines(const Options& options) {
  std::vector<std::string> lines;
  if (!options.props.empty()) lines.push_back("COMPAREPROPS " + options.props);
  if (!options.tolerance.empty()) lines.push_back("COMPARETOLERANCE " + options.tolerance);
  lines.push_back("-DWGCOMPARE " + quoted(options.file1) + " " + quoted(options.file2));
  lines.push_back(options.json.empty() ? "-COMPAREREPORT" : "-COMPAREREPORT " + quoted(options.json));
  if (!options.png.empty()) lines.push_back("EXPORT " + quoted(options.png));
  if (!options.svg.empty()) lines.push_back("EXPORT " + quoted(options.svg));
  if (!options.result.empty()) lines.push_back("SAVEAS " + quoted(options.result));
  return lines;
}

// What the host told the user since the given line of its log.
void printSince(const HostCommandLine& commandLine, size_t from, FILE* out) {
  const std::vector<OdString>& log = commandLine.log();
  for (size_t i = from; i < log.size(); ++i) {
    std::string line = log[i].utf8();
    if (line.rfind("Command: ", 0) == 0) continue;
    size_t start = line.find_first_not_of('\n');
    if (start != std::string::npos) std::fprintf(out, "%s\n", line.c_str() + start);
  }
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  Options options;
  if (std::string problem = parse(argc, argv, options); !problem.empty()) return usageError(problem);

  HostApp app;
  OdString error;
  if (!app.modules().load(OdString(moduleFile(argv[0])), error)) {
    std::fprintf(stderr, "dwgcompare: %s\n", error.utf8().c_str());
    return 1;
  }
  for (const std::string& line : commandLines(options)) {
    HostCommandLine& commandLine = app.docManager().commandLine();
    size_t before = commandLine.log().size();
    bool ok = app.typeLine(OdString(line));
    // The comparison's result document became current: its log holds the rest.
    HostCommandLine& after = app.docManager().commandLine();
    bool isReport = line.rfind("-COMPAREREPORT", 0) == 0;
    if (!ok || isReport) printSince(after, &after == &commandLine ? before : 0, ok ? stdout : stderr);
    if (!ok) {
      std::fprintf(stderr, "dwgcompare: failed: %s\n", line.c_str());
      app.shutdown();
      return 1;
    }
  }
  for (const std::string* written : {&options.result, &options.png, &options.svg, &options.json})
    if (!written->empty()) std::printf("Wrote %s\n", written->c_str());
  app.shutdown();
  return 0;
}
