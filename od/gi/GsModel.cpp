#include "GsModel.h"

#include <algorithm>

ODRX_DEFINE_NAMED(OdGsModel, "OdGsModel", OdRxObject, "", odrxNewImpl<OdGsModel>)

namespace {

OdGsHighlightedPath recordOf(const OdGiPathNode& path, const void* view) {
  OdGsHighlightedPath record;
  record.selectionMarker = path.selectionMarker();
  record.view = view;
  for (const OdGiPathNode* node = &path; node; node = node->parent())
    record.nodes.push_back({node->persistentDrawableId(), node->transientDrawable()});
  return record;
}

// The path's nodes, marker and view as bytes: equal keys, equal records.
std::string keyOf(const OdGsHighlightedPath& record) {
  std::string key;
  auto append = [&](const auto& value) { key.append(reinterpret_cast<const char*>(&value), sizeof(value)); };
  for (const OdGsHighlightedPath::Node& node : record.nodes) {
    append(node.persistentId);
    append(node.transientDrawable);
  }
  append(record.selectionMarker);
  append(record.view);
  return key;
}

bool samePath(const OdGsHighlightedPath& a, const OdGsHighlightedPath& b) {
  return a.nodes == b.nodes && a.selectionMarker == b.selectionMarker;
}

}  // namespace

void OdGsModel::highlight(const OdGiPathNode& path, bool doIt, const void* view) {
  OdGsHighlightedPath record = recordOf(path, view);
  if (doIt) {
    if (m_index.insert(keyOf(record)).second) m_highlighted.push_back(std::move(record));
    return;
  }
  std::erase_if(m_highlighted, [&](const OdGsHighlightedPath& h) {
    bool goes = samePath(h, record) && (!view || h.view == view);
    if (goes) m_index.erase(keyOf(h));
    return goes;
  });
}

bool OdGsModel::isHighlighted(const OdGiPathNode& path, const void* view) const {
  OdGsHighlightedPath record = recordOf(path, view);
  return std::any_of(m_highlighted.begin(), m_highlighted.end(), [&](const OdGsHighlightedPath& h) {
    return samePath(h, record) && (!h.view || h.view == view);
  });
}
