#pragma once

#include "GePoint3d.h"

// Follows the cursor while a point is asked for (rubber-band graphics); told
// the point picked, too.
class HostPointTracker {
 public:
  virtual ~HostPointTracker() = default;
  virtual void setValue(const OdGePoint3d& point) = 0;
};
