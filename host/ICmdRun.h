#pragma once

#include "IUnknownLike.h"

class ICmdProcess;

// What a command's run answers.
enum HostCmdResult : int { kCmdOk = 0, kCmdFailed = 1, kCmdCancelled = 2 };

// A command object; its creator makes a new one, with one reference, for each run.
class ICmdRun : public IUnknownLike {
 public:
  // Does the command's work: prompts go through the editor, the process
  // carries its context. Answers a HostCmdResult; may throw to fail.
  virtual int run(ICmdProcess* process) = 0;
};

using HostCmdCreator = ICmdRun* (*)();
