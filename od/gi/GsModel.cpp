#include "GsModel.h"

#include <algorithm>
#include <bit>

ODRX_DEFINE_NAMED(OdGsModel, "OdGsModel", OdRxObject, "", odrxNewImpl<OdGsModel>)

namespace {

OdGsHighlightedPath recordOf(const OdGiPathNode& path, const void* view) {
  OdGsHighlightedPath record;
  record.selectionMarker = path.selectionMarker();
  record.view = view;
  size_t depth = 0;
  for (const OdGiPathNode* node = &path; node; node = node->parent()) ++depth;
  record.nodes.reserve(depth);  // one allocation: a display records every entity it draws
  for (const OdGiPathNode* node = &path; node; node = node->parent())
    record.nodes.push_back({node->persistentDrawableId(), node->transientDrawable()});
  return record;
}

// Equal paths hash alike, whatever their view.
size_t withNode(size_t hash, const void* persistentId, const void* transientDrawable) {
  hash = hash * 31 + std::hash<const void*>()(persistentId);
  return hash * 31 + std::hash<const void*>()(transientDrawable);
}

size_t hashOf(const OdGiPathNode& path) {
  size_t hash = std::hash<OdGsMarker>()(path.selectionMarker());
  for (const OdGiPathNode* node = &path; node; node = node->parent())
    hash = withNode(hash, node->persistentDrawableId(), node->transientDrawable());
  return hash;
}

size_t hashOf(const OdGsHighlightedPath& record) {
  size_t hash = std::hash<OdGsMarker>()(record.selectionMarker);
  for (const OdGsHighlightedPath::Node& node : record.nodes) hash = withNode(hash, node.persistentId, node.transientDrawable);
  return hash;
}

bool isRecordOf(const OdGsHighlightedPath& record, const OdGiPathNode& path, const void* view) {
  if (record.view != view || record.selectionMarker != path.selectionMarker()) return false;
  const OdGiPathNode* node = &path;
  for (const OdGsHighlightedPath::Node& recorded : record.nodes) {
    if (!node || recorded.persistentId != node->persistentDrawableId() ||
        recorded.transientDrawable != node->transientDrawable())
      return false;
    node = node->parent();
  }
  return node == nullptr;
}

bool samePath(const OdGsHighlightedPath& a, const OdGsHighlightedPath& b) {
  return a.nodes == b.nodes && a.selectionMarker == b.selectionMarker;
}

}  // namespace

void OdGsModel::highlight(const OdGiPathNode& path, bool doIt, const void* view) {
  if (doIt) {
    // A display highlights every entity it draws, at every drawing: known paths are found without a copy.
    size_t hash = hashOf(path);
    size_t slot = firstSlot(hash);
    for (; m_slots[slot].position != 0; slot = nextSlot(slot)) {
      const Slot& known = m_slots[slot];
      if (known.hash == static_cast<uint32_t>(hash) && isRecordOf(m_highlighted[known.position - 1], path, view))
        return;
    }
    m_highlighted.push_back(recordOf(path, view));
    m_slots[slot] = Slot::of(hash, m_highlighted.size());
    if (2 * m_highlighted.size() > m_slots.size()) reindex();
    return;
  }
  OdGsHighlightedPath record = recordOf(path, view);
  size_t before = m_highlighted.size();
  std::erase_if(m_highlighted, [&](const OdGsHighlightedPath& h) { return samePath(h, record) && (!view || h.view == view); });
  if (m_highlighted.size() != before) reindex();
}

void OdGsModel::clearHighlights() {
  m_highlighted.clear();
  reindex();
}

size_t OdGsModel::firstSlot(size_t hash) const {
  return (hash * 0x9E3779B97F4A7C15ull) >> (64 - std::countr_zero(m_slots.size()));
}

size_t OdGsModel::nextSlot(size_t slot) const { return (slot + 1) & (m_slots.size() - 1); }

void OdGsModel::reindex() {
  m_slots.assign(std::bit_ceil(std::max(kFewestSlots, 4 * m_highlighted.size())), Slot{});
  for (size_t i = 0; i < m_highlighted.size(); ++i) {
    size_t hash = hashOf(m_highlighted[i]);
    size_t slot = firstSlot(hash);
    while (m_slots[slot].position != 0) slot = nextSlot(slot);
    m_slots[slot] = Slot::of(hash, i + 1);
  }
}

bool OdGsModel::isHighlighted(const OdGiPathNode& path, const void* view) const {
  OdGsHighlightedPath record = recordOf(path, view);
  return std::any_of(m_highlighted.begin(), m_highlighted.end(), [&](const OdGsHighlightedPath& h) {
    return samePath(h, record) && (!h.view || h.view == view);
  });
}
