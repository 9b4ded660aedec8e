#include "DcUiSettingsImpl.h"

#include "DcProfile.h"

namespace dwgcompare {
namespace {
constexpr const char* kLeftColumnKey = "LeftColumn";
constexpr const char* kRightColumnKey = "RightColumn";
constexpr const char* kZoomSelectedKey = "ZoomSelected";
constexpr const char* kShowMessageKey = "ShowFiltredObjectsMessageBox";

// Flags are stored as 1 or 0; any other number reads as false.
bool readFlag(const IProfileSection& section, const char* key, bool fallback) {
  return section.getInt32(key, fallback ? 1 : 0) == 1;
}
}  // namespace

DcUiSettingsImpl::DcUiSettingsImpl() { load(); }

DcUiSettingsImpl::~DcUiSettingsImpl() { save(); }

void DcUiSettingsImpl::setColumnWidth(int32_t column, int32_t width) {
  if (column == 0) m_leftColumnWidth = width;
  else if (column == 1) m_rightColumnWidth = width;
}

void DcUiSettingsImpl::setZoomSelected(bool zoomSelected) { m_zoomSelected = zoomSelected; }

void DcUiSettingsImpl::setShowFilteredObjectsMessage(bool show) { m_showFilteredObjectsMessage = show; }

int32_t DcUiSettingsImpl::columnWidth(int32_t column) const {
  if (column == 0) return m_leftColumnWidth;
  return column == 1 ? m_rightColumnWidth : -1;
}

bool DcUiSettingsImpl::zoomSelected() const { return m_zoomSelected; }

bool DcUiSettingsImpl::showFilteredObjectsMessage() const { return m_showFilteredObjectsMessage; }

void DcUiSettingsImpl::load() {
  HostRefPtr<IProfileSection> section = openSettingsSection();
  if (!section) return;
  m_leftColumnWidth = section->getInt32(kLeftColumnKey, m_leftColumnWidth);
  m_rightColumnWidth = section->getInt32(kRightColumnKey, m_rightColumnWidth);
  m_zoomSelected = readFlag(*section.get(), kZoomSelectedKey, m_zoomSelected);
  m_showFilteredObjectsMessage = readFlag(*section.get(), kShowMessageKey, m_showFilteredObjectsMessage);
}

void DcUiSettingsImpl::save() const {
  HostRefPtr<IProfileSection> section = openSettingsSection();
  if (!section) return;
  section->setInt32(kLeftColumnKey, m_leftColumnWidth);
  section->setInt32(kRightColumnKey, m_rightColumnWidth);
  section->setInt32(kZoomSelectedKey, m_zoomSelected ? 1 : 0);
  section->setInt32(kShowMessageKey, m_showFilteredObjectsMessage ? 1 : 0);
}

}  // namespace dwgcompare
