#include "CadhostArguments.h"

#include "HostOutputTransaction.h"
#include "HostVersion.h"

#include <cstdio>

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
}  // namespace

int cadhostUsageError(const std::string& message) {
  std::fprintf(stderr, "cadhost: %s\n%s(cadhost --help tells more)\n", message.c_str(), kUsageLine);
  return 2;
}

int parseCadhostArguments(int argc, char** argv, CadhostOptions& options) {
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
      return cadhostUsageError(arg + " needs a value");
    else if (!arg.empty() && arg[0] != '-') options.drawings.push_back(arg);
    else return cadhostUsageError("unknown argument " + arg);
  }
  if (!options.screenshot.empty() && !hostHasExtension(OdString(options.screenshot), ".png"))
    return cadhostUsageError("--screenshot " + options.screenshot + ": the file name must end in .png");
  return 0;
}
