#pragma once

#include "DbHighlightOverrule.h"

namespace dwgcompare {

// Keeps the two marked blocks of a result drawing, which hold whole files,
// and their references from being highlighted.
class DcHighlightOverrule : public OdDbHighlightOverrule {
  ODRX_DECLARE_MEMBERS(DcHighlightOverrule);

 public:
  bool isApplicable(const OdRxObject*) const override { return true; }
  void highlight(const OdDbEntity* entity, bool doIt, const OdDbFullSubentPath* subentity,
                 bool highlightAll) override;
};

// The module's one highlight overrule, made when the module is loaded.
DcHighlightOverrule& highlightOverrule();

}  // namespace dwgcompare
