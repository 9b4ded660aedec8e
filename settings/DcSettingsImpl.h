#pragma once

#include "DcSettings.h"

#include <map>
#include <memory>
#include <vector>

class IProfileSection;

namespace dwgcompare {

class DcUiSettingsImpl;

// Loads from the host profile when made and saves when destroyed.
class DcSettingsImpl : public DcSettings {
 public:
  // Two percent of the drawing: a wall moved by its own thickness stays one change.
  static constexpr double kDefaultChangeMargin = 0.02;

  DcSettingsImpl();
  ~DcSettingsImpl() override;
  DcSettingsImpl(const DcSettingsImpl&) = delete;
  DcSettingsImpl& operator=(const DcSettingsImpl&) = delete;

  void addReactor(DcSettingsReactor* reactor) override;
  void removeReactor(DcSettingsReactor* reactor) override;
  DcUiSettings* uiSettings() override;
  void addFilteredClass(const OdRxClass* cls) override;
  void removeFilteredClass(const OdRxClass* cls) override;
  void setFile1Transparency(double transparency) override;
  void setFile2Transparency(double transparency) override;
  void setSharedTransparency(double transparency) override;
  void setFile1Color(const OdCmColor& color) override;
  void setFile2Color(const OdCmColor& color) override;
  void setSharedColor(const OdCmColor& color) override;
  void setFile1Visible(bool visible) override;
  void setFile2Visible(bool visible) override;
  void setSharedVisible(bool visible) override;
  bool isFilteredClass(const OdRxClass* cls) const override;
  bool isFilteredObject(const OdRxObject* object) const override;
  bool isExcludedObject(const OdRxObject* object) const override;
  bool isExcludedClass(const OdRxClass* cls) const override;
  bool isFile1Visible() const override;
  bool isFile2Visible() const override;
  bool isSharedVisible() const override;
  double file1Transparency() const override;
  double file2Transparency() const override;
  double sharedTransparency() const override;
  OdCmColor file1Color() const override;
  OdCmColor file2Color() const override;
  OdCmColor sharedColor() const override;
  OdCmColor grayColor() const override;
  OdCmColor backgroundColor() const override;
  OdArray<OdCmColor> customColors() const override;
  uint16_t file1ColorIndex() const override;
  uint16_t file2ColorIndex() const override;
  uint16_t sharedColorIndex() const override;
  OdString failureReasonText(int32_t code) const override;
  uint32_t objectExclusionFlags(const OdRxObject* object) const override;
  uint32_t classExclusionFlags(const OdRxClass* cls) const override;
  double changeMargin() const override { return m_changeMargin; }
  void setChangeMargin(double fraction) override;
  bool showsRevisionClouds() const override { return m_showsRevisionClouds; }
  void setShowsRevisionClouds(bool show) override;

 private:
  void readBackground();
  void load();
  void loadColor(const IProfileSection& section, const char* key, OdCmColor& color);
  void loadFilteredClasses(const IProfileSection& section);
  void loadChangeSettings(const IProfileSection& section);
  void fillClassExclusions();
  void fillFailureReasons();
  void save() const;
  template <class T>
  void store(T& field, const T& value);
  void setColor(OdCmColor& color, uint16_t& cachedIndex, const OdCmColor& value);
  void notify();

  // Destroyed last, the UI settings save after these settings.
  std::vector<DcSettingsReactor*> m_reactors;
  std::shared_ptr<DcUiSettingsImpl> m_uiSettings;
  std::map<OdString, uint32_t> m_classExclusions;
  OdArray<OdString> m_filteredClasses;
  std::map<int32_t, OdString> m_failureReasons;
  OdCmColor m_file1Color;
  OdCmColor m_file2Color;
  OdCmColor m_sharedColor;
  OdCmColor m_backgroundColor;
  OdCmColor m_grayColor;
  OdArray<OdCmColor> m_customColors;
  uint16_t m_file1ColorIndex;
  uint16_t m_file2ColorIndex;
  uint16_t m_sharedColorIndex;
  bool m_file1Visible = true;
  bool m_file2Visible = true;
  bool m_sharedVisible = true;
  double m_file1Transparency = 0.0;
  double m_file2Transparency = 0.0;
  double m_sharedTransparency = 0.0;
  double m_changeMargin = kDefaultChangeMargin;
  bool m_showsRevisionClouds = true;
};

}  // namespace dwgcompare
