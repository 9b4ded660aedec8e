#pragma once

// What cadhost's command line asks for.

#include <string>
#include <vector>

struct CadhostInput {
  bool isScript;
  std::string text;
};

struct CadhostOptions {
  bool headless = false;
  std::vector<std::string> modules;
  std::vector<std::string> drawings;
  std::vector<CadhostInput> inputs;
  std::string screenshot;
};

// Prints the message and the short usage; the exit status of a wrong command line.
int cadhostUsageError(const std::string& message);
// 0 when the arguments are good, -1 when --help or --version answered, else the exit status.
int parseCadhostArguments(int argc, char** argv, CadhostOptions& options);
