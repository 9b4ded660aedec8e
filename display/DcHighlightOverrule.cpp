#include "DcHighlightOverrule.h"

#include "DcResultDrawing.h"

namespace dwgcompare {

ODRX_DEFINE_MODULE_CLASS(DcHighlightOverrule, OdDbHighlightOverrule, nullptr)

void DcHighlightOverrule::highlight(const OdDbEntity* entity, bool doIt, const OdDbFullSubentPath* subentity,
                                    bool highlightAll) {
  if (entity && isMarkedResultObject(entity)) return;
  OdDbHighlightOverrule::highlight(entity, doIt, subentity, highlightAll);
}

DcHighlightOverrule& highlightOverrule() {
  static OdStaticRxObject<DcHighlightOverrule> overrule;
  return overrule;
}

}  // namespace dwgcompare
