#pragma once

#include "DbLayoutManagerReactor.h"

#include <vector>

namespace dwgcompare {

// What the layout manager reactor passes on.
class DcLayoutManagerReactorResponder {
 public:
  virtual ~DcLayoutManagerReactorResponder() = default;
  virtual void layoutSwitched(const OdString&, const OdDbObjectId&) {}
};

// Passes layout switches on to its responders.
class DcLayoutManagerReactor : public OdDbLayoutManagerReactor {
  ODRX_DECLARE_MEMBERS(DcLayoutManagerReactor);

 public:
  void addResponder(DcLayoutManagerReactorResponder* responder);
  void layoutSwitched(const OdString& layoutName, const OdDbObjectId& layoutId) override;

 private:
  std::vector<DcLayoutManagerReactorResponder*> m_responders;
};

}  // namespace dwgcompare
