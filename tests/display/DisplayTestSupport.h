#pragma once

// Shared by the display and document tracking tests: what a result drawing
// looks like when drawn, and whether the display overrules are on.

#include "DcComparisonDrawableOverrule.h"
#include "DcHighlightOverrule.h"
#include "DcResultDrawing.h"
#include "od/TestDrawing.h"

#include <algorithm>
#include <tuple>
#include <vector>

inline auto traitsTuple(const OdGiResolvedTraits& t) {
  return std::tuple(t.rgb, t.alpha, t.lineWeight, t.layer, t.linetype, t.highlightType);
}

// The same primitives in the same places with the same look.
inline bool sameDrawing(const RecordingSink& a, const RecordingSink& b) {
  auto sameTraits = [](const std::vector<OdGiResolvedTraits>& x, const std::vector<OdGiResolvedTraits>& y) {
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [](const auto& l, const auto& r) { return traitsTuple(l) == traitsTuple(r); });
  };
  return a.polylines == b.polylines && a.polygons == b.polygons && a.texts == b.texts &&
         sameTraits(a.polylineTraits, b.polylineTraits) && sameTraits(a.polygonTraits, b.polygonTraits) &&
         sameTraits(a.textTraits, b.textTraits);
}

// The traits of every polyline that starts at the point, in drawing order
// (a shared object comes once from each file).
inline std::vector<OdGiResolvedTraits> polylinesStartingAt(const RecordingSink& sink, const OdGePoint3d& start) {
  std::vector<OdGiResolvedTraits> found;
  for (size_t i = 0; i < sink.polylines.size(); ++i)
    if (sink.polylines[i].front().isEqualTo(start, 1e-9)) found.push_back(sink.polylineTraits[i]);
  return found;
}

inline std::vector<int> highlightTypesOf(const std::vector<OdGiResolvedTraits>& traits) {
  std::vector<int> types;
  for (const OdGiResolvedTraits& t : traits) types.push_back(t.highlightType);
  return types;
}

// Both display overrules take part in drawing and highlighting.
inline bool displayOverrulesOn() {
  return dwgcompare::comparisonDrawableOverrule().isEnabled() &&
         OdRxOverrule::hasOverrule(OdDbEntity::desc(), dwgcompare::DcComparisonDrawableOverrule::desc()) &&
         OdRxOverrule::hasOverrule(OdDbEntity::desc(), dwgcompare::DcHighlightOverrule::desc());
}

inline bool displayOverrulesOff() {
  return !dwgcompare::comparisonDrawableOverrule().isEnabled() &&
         !OdRxOverrule::hasOverrule(OdDbEntity::desc(), dwgcompare::DcComparisonDrawableOverrule::desc()) &&
         !OdRxOverrule::hasOverrule(OdDbEntity::desc(), dwgcompare::DcHighlightOverrule::desc());
}

// The result drawing's marked references to File 1's and File 2's blocks, in that order.
inline std::vector<OdDbObjectId> resultReferences(OdDbDatabase* result) {
  std::vector<OdDbObjectId> references;
  OdDbBlockTableRecordPtr modelSpace = result->getModelSpaceId().safeOpenObject();
  for (const OdDbObjectId& id : modelSpace->entityIds())
    if (dwgcompare::isMarkedResultObject(id.openObject().get())) references.push_back(id);
  return references;
}

// The entities of the block a reference shows, in their order.
inline std::vector<OdDbObjectId> entitiesOfReferencedBlock(const OdDbObjectId& reference) {
  OdDbBlockReferencePtr ref = reference.safeOpenObject();
  OdDbBlockTableRecordPtr block = ref->blockTableRecord().safeOpenObject();
  return block->entityIds();
}
