#include "DcModuleContext.h"

#include <algorithm>
#include <utility>

namespace dwgcompare {
namespace {
std::unique_ptr<DcModuleContext> g_context;
}  // namespace

// A part may reach the context while it ends (the palette leaves the reactor's
// responders): it finds the parts not ended yet, so each is taken out before it ends.
void DcModuleContext::clear() {
  while (!m_parts.empty()) {
    std::shared_ptr<void> part = std::move(m_parts.back().part);
    m_parts.pop_back();
  }
}

void DcModuleContext::destroyWhere(std::type_index type) {
  auto found = std::find_if(m_parts.begin(), m_parts.end(), [&](const Entry& entry) { return entry.type == type; });
  if (found == m_parts.end()) return;
  std::shared_ptr<void> part = std::move(found->part);
  m_parts.erase(found);
}

DcModuleContext& moduleContext() {
  if (!g_context) g_context = std::make_unique<DcModuleContext>();
  return *g_context;
}

void destroyModuleContext() {
  // Parts that reach the context while they end still find it.
  if (!g_context) return;
  g_context->clear();
  g_context.reset();
}

}  // namespace dwgcompare
