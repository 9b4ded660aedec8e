#pragma once

#include "GePoint3d.h"

class OdDbEntity;

// Follows the cursor while a point is asked for (rubber-band graphics); told
// the point picked, too.
class HostPointTracker {
 public:
  virtual ~HostPointTracker() = default;
  virtual void setValue(const OdGePoint3d& point) = 0;
  // What follows the cursor, drawn over the drawing while the point is
  // asked for; null for nothing.
  virtual const OdDbEntity* followingEntity() const { return nullptr; }
};
