#pragma once

#include "GiPathNode.h"
#include "RxObject.h"

#include <cstdint>
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
  void clearHighlights();
  // In the order they were highlighted.
  const std::vector<OdGsHighlightedPath>& highlightedPaths() const { return m_highlighted; }

 private:
  std::vector<OdGsHighlightedPath> m_highlighted;
  // Where the paths of m_highlighted are, by their hash (open addressing, at most half full);
  // eight bytes to a slot, as a result drawing highlights millions of paths.
  struct Slot {
    uint32_t hash = 0;      // the low half of the path's hash
    uint32_t position = 0;  // in m_highlighted, plus one; 0 for a free slot
    static Slot of(size_t hash, size_t position) {
      return Slot{static_cast<uint32_t>(hash), static_cast<uint32_t>(position)};
    }
  };
  size_t firstSlot(size_t hash) const;
  size_t nextSlot(size_t slot) const;
  void reindex();
  static constexpr size_t kFewestSlots = 16;
  std::vector<Slot> m_slots = std::vector<Slot>(kFewestSlots);
};
using OdGsModelPtr = OdSmartPtr<OdGsModel>;
