// libFuzzer target over the command-line parsers of dwgcompare, cadhost and
// odtool (tools/fuzz.sh --target args). The input's lines are the arguments;
// its first byte picks the program. Whatever the arguments, a parser answers
// usable options that keep its promises, or a refusal.

#include "CadhostArguments.h"
#include "DwgcompareArguments.h"
#include "HostOutputTransaction.h"
#include "OdtoolArguments.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
[[noreturn]] void fail(const char* program, const char* what) {
  std::fprintf(stderr, "%s: %s\n", program, what);
  std::abort();
}

void checkDwgcompare(int argc, char** argv) {
  DwgcompareOptions options;
  if (!parseDwgcompareArguments(argc, argv, options).empty()) return;
  for (const DwgcompareOutput& output : outputsOf(options))
    if (!output.path.empty() && !hostHasExtension(OdString(output.path), output.extension))
      fail("dwgcompare", "accepted an output of another format");
}

void checkCadhost(int argc, char** argv) {
  CadhostOptions options;
  int status = parseCadhostArguments(argc, argv, options);
  if (status != 0 && status != -1 && status != 2) fail("cadhost", "answered an unknown status");
  if (status == 0 && !options.screenshot.empty() && !hostHasExtension(OdString(options.screenshot), ".png"))
    fail("cadhost", "accepted a screenshot that is no PNG");
}

void checkOdtool(int argc, char** argv) {
  OdtoolCommand command;
  if (!parseOdtoolArguments(argc, argv, command).empty()) return;
  size_t files = command.name == "info" ? 1 : command.name == "roundtrip" ? 2 : command.name == "bind" ? 3 : 0;
  if (command.files.size() != files) fail("odtool", "accepted a command with other files");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::vector<std::string> arguments{"program"};
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    arguments.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(arguments.size());
  switch (data[0] % 3) {
    case 0: checkDwgcompare(argc, argv.data()); break;
    case 1: checkCadhost(argc, argv.data()); break;
    default: checkOdtool(argc, argv.data()); break;
  }
  return 0;
}
