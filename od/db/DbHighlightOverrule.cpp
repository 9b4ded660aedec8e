#include "DbHighlightOverrule.h"

#include "DbEntity.h"

ODRX_DEFINE_NAMED(OdDbHighlightOverrule, "OdDbHighlightOverrule", OdRxOverrule, "", nullptr)

void OdDbHighlightOverrule::highlight(const OdDbEntity* entity, bool doIt, const OdDbFullSubentPath* subId,
                                      bool highlightAll) {
  route(OdRxOverruleRoute::kNext, entity, doIt, subId, highlightAll);
}

void OdDbHighlightOverrule::route(OdRxOverruleRoute route, const OdDbEntity* entity, bool doIt,
                                  const OdDbFullSubentPath* subId, bool highlightAll) {
  if (!entity) return;
  odrxRouteOverrule<OdDbHighlightOverrule>(
      route, entity, [&](OdDbHighlightOverrule* o) { o->highlight(entity, doIt, subId, highlightAll); },
      [&] { entity->subHighlight(doIt, subId, highlightAll); });
}
