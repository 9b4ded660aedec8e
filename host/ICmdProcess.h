#pragma once

#include "IUnknownLike.h"

// One run of a command, as the command processor drives it.
class ICmdProcess : public IUnknownLike {
 public:
  enum State : int { kNotStarted = 0, kRunning = 1, kEnded = 2, kFailed = 3, kCancelled = 4 };

  // Runs the command once; answers its HostCmdResult.
  virtual int run() = 0;
  virtual int state() const = 0;
  // The document the command runs on (a HostDocument*), or what the command set.
  virtual void* getContext() const = 0;
  virtual void setContext(void* context) = 0;
  // Transparent and nested runs do not exist in this host: both answer 0.
  virtual int isTransparent() const = 0;
  virtual int nestingLevel() const = 0;
};
