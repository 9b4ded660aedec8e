#pragma once

#include "DcChanges.h"

class OdDbDatabase;

namespace dwgcompare {

// The layer revision clouds are drawn on: the user switches it off to hide them.
inline constexpr const char* kRevisionCloudLayer = "COMPARE_REVISION_CLOUDS";
// Their colour, cyan: none of the groups' default colours, and bright on the dark background.
inline constexpr int16_t kRevisionCloudColorIndex = 4;

// Draws a revision cloud around each change with a box in the result's
// model space: a closed polyline of arcs bulging outwards, on the cloud
// layer (made when missing). The arcs are about a sixtieth of the drawing's
// size long. Outside both files' blocks, the clouds are never fingerprinted.
void addRevisionClouds(OdDbDatabase* result, const Changes& changes, double drawingSize);

// Draws the cloud around the change's box heavier than the others, which
// are set back to the layer's lineweight; all of them without a change.
void highlightRevisionCloud(OdDbDatabase* result, const Change* change);
// Whether the entity is a revision cloud drawn heavier.
bool isHighlightedRevisionCloud(const OdDbEntity* entity);

}  // namespace dwgcompare
