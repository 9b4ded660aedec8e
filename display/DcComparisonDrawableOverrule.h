#pragma once

#include "DbHandle.h"
#include "DcComparisonModel.h"
#include "DcSettings.h"
#include "GiDrawableOverrule.h"

class OdDbDatabase;

namespace dwgcompare {

// Paints the result drawing by comparison group: each entity is hashed and
// looked up in the current comparison's two maps.
class DcComparisonDrawableOverrule : public OdGiDrawableOverrule, public DcSettingsReactor {
  ODRX_DECLARE_MEMBERS(DcComparisonDrawableOverrule);

 public:
  DcComparisonDrawableOverrule();
  ~DcComparisonDrawableOverrule() override;

  bool isApplicable(const OdRxObject*) const override { return true; }
  bool worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd) override;
  void settingsChanged(DcSettings* settings) override;

  // The maps are read in place; their owner clears the context before it lets them go.
  void setComparisonContext(const ComparedObjectMap* file1Objects, const ComparedObjectMap* file2Objects,
                            OdDbHandle file1Block, OdDbHandle file2Block, OdDbDatabase* result, bool restored);
  void clearComparisonContext();
  OdDbDatabase* resultDatabase() const { return m_resultDatabase; }
  bool isEnabled() const { return m_enabled; }
  void setEnabled(bool enabled) { m_enabled = enabled; }
  void refreshHighlightStyles();

 private:
  bool m_enabled = false;
  OdDbDatabase* m_resultDatabase = nullptr;
  OdDbHandle m_file1Block;
  OdDbHandle m_file2Block;
  const ComparedObjectMap* m_file1Objects = nullptr;
  const ComparedObjectMap* m_file2Objects = nullptr;
  bool m_restored = false;
};

// The module's one drawable overrule, made when the module is loaded.
DcComparisonDrawableOverrule& comparisonDrawableOverrule();

}  // namespace dwgcompare
