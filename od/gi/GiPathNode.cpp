#include "GiPathNode.h"

OdGiPathChain::OdGiPathChain(const std::vector<OdDbObjectId>& outermostFirst, OdGsMarker marker) {
  m_nodes.reserve(outermostFirst.size());
  for (auto id = outermostFirst.rbegin(); id != outermostFirst.rend(); ++id)
    m_nodes.emplace_back(id->stub(), nullptr, m_nodes.empty() ? marker : 0);
  // Linked only now that the nodes no longer move.
  for (size_t i = 0; i + 1 < m_nodes.size(); ++i) m_nodes[i].setParent(&m_nodes[i + 1]);
}
