#include "DcLayoutManagerReactor.h"

#include <algorithm>

namespace dwgcompare {

ODRX_DEFINE_MODULE_CLASS(DcLayoutManagerReactor, OdDbLayoutManagerReactor, odrxNewImpl<DcLayoutManagerReactor>)

void DcLayoutManagerReactor::addResponder(DcLayoutManagerReactorResponder* responder) {
  if (std::find(m_responders.begin(), m_responders.end(), responder) == m_responders.end())
    m_responders.push_back(responder);
}

void DcLayoutManagerReactor::layoutSwitched(const OdString& layoutName, const OdDbObjectId& layoutId) {
  for (DcLayoutManagerReactorResponder* responder : m_responders) responder->layoutSwitched(layoutName, layoutId);
}

}  // namespace dwgcompare
