#pragma once

#include "IUnknownLike.h"

// The application as plug-ins see it; its services are had with
// queryInterface (kIID_IProfile, kIID_IHelpService).
class IApp : public IUnknownLike {
 public:
  // Answers 1 when there is no window.
  virtual int isHeadless() const = 0;
};

extern "C" {
// The running application (not referenced for the caller), or null.
IApp* GetApp();
}
