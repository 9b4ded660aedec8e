#pragma once

#include "RxOverrule.h"

class OdDbEntity;
class OdDbFullSubentPath;

// Takes over the highlighting of entities. The default passes the call on
// to the next overrule of the chain, or past the last to the entity's own
// subHighlight; an override may drop the request or change it.
class OdDbHighlightOverrule : public OdRxOverrule {
  ODRX_DECLARE_MEMBERS(OdDbHighlightOverrule);

 public:
  virtual void highlight(const OdDbEntity* entity, bool doIt, const OdDbFullSubentPath* subId, bool highlightAll);

 private:
  friend class OdDbEntity;
  static void route(OdRxOverruleRoute route, const OdDbEntity* entity, bool doIt, const OdDbFullSubentPath* subId,
                    bool highlightAll);
};
