#pragma once

#include "DcUiSettings.h"

namespace dwgcompare {

// Reads its values from the module's profile section when made and writes
// them back when destroyed.
class DcUiSettingsImpl : public DcUiSettings {
 public:
  DcUiSettingsImpl();
  ~DcUiSettingsImpl() override;
  DcUiSettingsImpl(const DcUiSettingsImpl&) = delete;
  DcUiSettingsImpl& operator=(const DcUiSettingsImpl&) = delete;

  void setColumnWidth(int32_t column, int32_t width) override;
  void setZoomSelected(bool zoomSelected) override;
  void setShowFilteredObjectsMessage(bool show) override;
  int32_t columnWidth(int32_t column) const override;
  bool zoomSelected() const override;
  bool showFilteredObjectsMessage() const override;

 private:
  void load();
  void save() const;

  int32_t m_leftColumnWidth = -1;
  int32_t m_rightColumnWidth = -1;
  bool m_showFilteredObjectsMessage = true;
  bool m_zoomSelected = false;
};

}  // namespace dwgcompare
