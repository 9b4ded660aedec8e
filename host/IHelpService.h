#pragma once

#include "IUnknownLike.h"

// Shows help topics; headless it writes the topic on the command line.
class IHelpService : public IUnknownLike {
 public:
  virtual bool showTopic(const wchar_t* topic) = 0;
};
