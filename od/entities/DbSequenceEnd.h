#pragma once

#include "DbEntity.h"

// The end of the entities a POLYLINE or INSERT owns (SEQEND); it has no
// fields of its own, and draws nothing.
class OdDbSequenceEnd : public OdDbEntity {
  OD_DXF_CLASS(OdDbSequenceEnd);

 public:
  OdDbSequenceEnd();
};
using OdDbSequenceEndPtr = OdSmartPtr<OdDbSequenceEnd>;
