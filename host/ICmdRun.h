#pragma once

#include "IUnknownLike.h"

class ICmdProcess;

// What a command's run answers.
enum HostCmdResult : int { kCmdOk = 0, kCmdFailed = 1, kCmdCancelled = 2 };

// The body of a command.
class ICmdRun : public IUnknownLike {
 public:
  // Does the command's work: prompts go through the editor, the document
  // comes with the context. Answers a HostCmdResult; may throw to fail.
  virtual int run() = 0;
};

// Makes a new command object with one reference in *made; answers 1, or 0
// when it could not.
using HostCmdCreator = int (*)(ICmdProcess** made);
