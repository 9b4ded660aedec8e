#pragma once

// What odtool's command line asks for, apart from --version.

#include <string>
#include <vector>

struct OdtoolCommand {
  std::string name;                // info, roundtrip or bind
  std::vector<std::string> files;  // its inputs, then its output
};

// Empty when the command is usable; otherwise what is wrong.
std::string parseOdtoolArguments(int argc, char** argv, OdtoolCommand& command);
