#pragma once

#include "ICmdRun.h"

// A command object as the host drives it: its creator makes one for each
// run, the host hands it a context and runs it.
class ICmdProcess : public ICmdRun {
 public:
  // What state() answers: how menus and toolbars show the command.
  enum StateFlags : int { kCmdEnabled = 1, kCmdChecked = 2 };

  // Transparent runs and nested runs do not exist in this host: both answer 0.
  virtual int isTransparent() = 0;
  virtual int nestingLevel() = 0;
  virtual int state() = 0;
  // The context the host handed in (a HostCommandContext), referenced for
  // the caller: answers 1, or 0 when there is none.
  virtual int getContext(IUnknownLike** context) = 0;
  // Holds the context with a reference, dropping the previous one; answers 1.
  virtual int setContext(IUnknownLike* context) = 0;
};
