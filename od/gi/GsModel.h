#pragma once

#include "GiPathNode.h"
#include "RxObject.h"

#include <string>
#include <unordered_set>
#include <vector>

// One highlighted drawable path, as the model keeps it.
struct OdGsHighlightedPath {
  struct Node {
    OdDbStub* persistentId = nullptr;
    const OdGiDrawable* transientDrawable = nullptr;
    bool operator==(const Node&) const = default;
  };
  std::vector<Node> nodes;  // innermost first, as the path runs
  OdGsMarker selectionMarker = 0;  // of the innermost node: the highlighted part, 0 for all of it
  const void* view = nullptr;      // null: every view
  bool operator==(const OdGsHighlightedPath&) const = default;
};

// The graphics of a database as a host shows them. For now it keeps what is
// highlighted, so that a host can draw those paths highlighted.
class OdGsModel : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdGsModel);

 public:
  // Highlights the drawable path ending (innermost) at path, or takes the
  // highlight off. Without a view it applies to every view; taking it off
  // without a view takes it off in every view.
  virtual void highlight(const OdGiPathNode& path, bool doIt = true, const void* view = nullptr);
  // Whether path is highlighted in view, or in every view.
  bool isHighlighted(const OdGiPathNode& path, const void* view = nullptr) const;
  void clearHighlights() {
    m_highlighted.clear();
    m_index.clear();
  }
  // In the order they were highlighted.
  const std::vector<OdGsHighlightedPath>& highlightedPaths() const { return m_highlighted; }

 private:
  std::vector<OdGsHighlightedPath> m_highlighted;
  // The keys of m_highlighted: a display highlights every entity it draws, each draw.
  std::unordered_set<std::string> m_index;
};
using OdGsModelPtr = OdSmartPtr<OdGsModel>;
