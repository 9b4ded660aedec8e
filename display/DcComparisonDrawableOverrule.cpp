#include "DcComparisonDrawableOverrule.h"

namespace dwgcompare {

ODRX_DEFINE_MODULE_CLASS(DcComparisonDrawableOverrule, OdGiDrawableOverrule, nullptr)

DcComparisonDrawableOverrule::DcComparisonDrawableOverrule() = default;
DcComparisonDrawableOverrule::~DcComparisonDrawableOverrule() = default;

bool DcComparisonDrawableOverrule::worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd) {
  return OdGiDrawableOverrule::worldDraw(drawable, wd);
}

void DcComparisonDrawableOverrule::settingsChanged(DcSettings*) { refreshHighlightStyles(); }

void DcComparisonDrawableOverrule::setComparisonContext(const ComparedObjectMap* file1Objects,
                                                        const ComparedObjectMap* file2Objects, OdDbHandle file1Block,
                                                        OdDbHandle file2Block, OdDbDatabase* result, bool restored) {
  m_file1Objects = file1Objects;
  m_file2Objects = file2Objects;
  m_file1Block = file1Block;
  m_file2Block = file2Block;
  m_resultDatabase = result;
  m_restored = restored;
}

void DcComparisonDrawableOverrule::clearComparisonContext() {
  setComparisonContext(nullptr, nullptr, OdDbHandle(), OdDbHandle(), nullptr, false);
}

void DcComparisonDrawableOverrule::refreshHighlightStyles() {}

DcComparisonDrawableOverrule& comparisonDrawableOverrule() {
  static OdStaticRxObject<DcComparisonDrawableOverrule> overrule;
  return overrule;
}

}  // namespace dwgcompare
