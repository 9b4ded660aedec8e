#pragma once

#include "DbTrace.h"

// A filled quadrilateral or triangle. Files store it exactly as a trace
// (the same AcDbTrace fields), so it shares the trace's fields and accessors.
class OdDbSolid : public OdDbTrace {
  ODRX_DECLARE_MEMBERS(OdDbSolid);

 public:
  using OdDbTrace::OdDbTrace;
};
using OdDbSolidPtr = OdSmartPtr<OdDbSolid>;
