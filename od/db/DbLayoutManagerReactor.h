#pragma once

#include "DbObjectId.h"
#include "RxObject.h"

// Observer of a host's layouts. Every notification does nothing unless overridden.
class OdDbLayoutManagerReactor : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbLayoutManagerReactor);

 public:
  // The layout of that name and id became the current one.
  virtual void layoutSwitched(const OdString& /*layoutName*/, const OdDbObjectId& /*layoutId*/) {}
};
using OdDbLayoutManagerReactorPtr = OdSmartPtr<OdDbLayoutManagerReactor>;
