#include "DcUiAux.h"

#include "DcModuleContext.h"

#include <iterator>

namespace dwgcompareui {

IDcUiInteface* DcUiAuxImpl::findInterface(int key) const {
  auto found = m_parts.find(key);
  return found == m_parts.end() ? nullptr : found->second;
}

void DcUiAuxImpl::unregisterInterface(IDcUiInteface* part) {
  for (auto it = m_parts.begin(); it != m_parts.end();) it = it->second == part ? m_parts.erase(it) : std::next(it);
}

DcUiAux& uiRegistry() {
  return *dwgcompare::moduleContext().findOrMake<DcUiAux>([] { return std::make_shared<DcUiAuxImpl>(); });
}

}  // namespace dwgcompareui
