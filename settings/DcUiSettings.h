#pragma once

#include <cstdint>

namespace dwgcompare {

// The palette's choices that survive a restart: two column widths, zoom
// selected, and whether the unsupported-objects message is shown.
class DcUiSettings {
 public:
  // Saves to the profile.
  virtual ~DcUiSettings() = default;

  // Column 0 is the left column, 1 the right one; other columns are ignored.
  virtual void setColumnWidth(int32_t column, int32_t width) = 0;
  virtual void setZoomSelected(bool zoomSelected) = 0;
  virtual void setShowFilteredObjectsMessage(bool show) = 0;
  // -1 when no width was stored, or for another column.
  virtual int32_t columnWidth(int32_t column) const = 0;
  virtual bool zoomSelected() const = 0;
  virtual bool showFilteredObjectsMessage() const = 0;
};

}  // namespace dwgcompare
