#include "DwgcompareArguments.h"

#include "HostOutputTransaction.h"

std::vector<DwgcompareOutput> outputsOf(const DwgcompareOptions& options) {
  return {{"-o", ".dxf", options.result},
          {"--png", ".png", options.png},
          {"--svg", ".svg", options.svg},
          {"--json", ".json", options.json}};
}

std::string parseDwgcompareArguments(int argc, char** argv, DwgcompareOptions& options) {
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string* value = arg == "-o"            ? &options.result
                         : arg == "--png"       ? &options.png
                         : arg == "--svg"       ? &options.svg
                         : arg == "--json"      ? &options.json
                         : arg == "--props"     ? &options.props
                         : arg == "--tolerance" ? &options.tolerance
                         : arg == "--zoom-changes" ? &options.zoomChanges
                                                : nullptr;
    if (arg == "--changes") {
      options.changes = true;
    } else if (arg == "--timings") {
      options.timings = true;
    } else if (value) {
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
  for (const DwgcompareOutput& output : outputsOf(options))
    if (!output.path.empty() && !hostHasExtension(OdString(output.path), output.extension))
      return std::string(output.option) + " " + output.path + ": the file name must end in " + output.extension;
  return std::string();
}
