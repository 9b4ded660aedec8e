#pragma once

#include "GePoint3d.h"
#include "OdError.h"

// The corner of an entity that keeps four of them (3DFACE, TRACE, SOLID) by
// index; an index outside 0 to 3 throws the invalid-index error.
inline OdGePoint3d& odCornerAt(int index, OdGePoint3d& p0, OdGePoint3d& p1, OdGePoint3d& p2, OdGePoint3d& p3) {
  switch (index) {
    case 0: return p0;
    case 1: return p1;
    case 2: return p2;
    case 3: return p3;
    default: throw OdError_InvalidIndex();
  }
}
