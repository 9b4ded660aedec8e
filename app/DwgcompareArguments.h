#pragma once

// What dwgcompare's command line asks for, apart from --help and --version.

#include <string>
#include <vector>

struct DwgcompareOptions {
  std::string file1, file2, result, png, svg, json, props, tolerance, zoomChanges;
  bool changes = false;
  bool timings = false;
};

// Each output the options ask for, and the extension its format needs.
struct DwgcompareOutput {
  const char* option;
  const char* extension;
  const std::string& path;
};
std::vector<DwgcompareOutput> outputsOf(const DwgcompareOptions& options);

// Empty when the options are usable; otherwise what is wrong.
std::string parseDwgcompareArguments(int argc, char** argv, DwgcompareOptions& options);
