#include "OdtoolArguments.h"

#include "HostOutputTransaction.h"

std::string parseOdtoolArguments(int argc, char** argv, OdtoolCommand& command) {
  if (argc < 2) return "give a command";
  command.name = argv[1];
  command.files.assign(argv + 2, argv + argc);
  size_t files = command.name == "info" ? 1 : command.name == "roundtrip" ? 2 : command.name == "bind" ? 3 : 0;
  if (files == 0 || command.files.size() != files) return "wrong arguments for " + command.name;
  if (command.name != "info" && !hostHasExtension(OdString(command.files.back()), ".dxf"))
    return "the output's file name must end in .dxf";
  return std::string();
}
