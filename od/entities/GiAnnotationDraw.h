#pragma once

// Drawing that block references, dimensions, tables and leaders share.

#include "DbObjectId.h"
#include "GeMatrix3d.h"

class OdGiWorldDraw;

// Draws the entities of a block through the context, each as a drawable
// nested in the one being drawn, under the model transform. Answers false,
// drawing nothing, when the block is missing or nested too deep (a block
// that holds a reference to itself).
bool odGiDrawBlock(OdGiWorldDraw* wd, OdDbObjectId blockId, const OdGeMatrix3d& transform);

// A closed filled arrowhead: a triangle with its tip at tip, pointing along
// direction, size long and a third of that wide, in the plane of normal.
void odGiDrawArrowhead(OdGiWorldDraw* wd, const OdGePoint3d& tip, const OdGeVector3d& direction, double size,
                       const OdGeVector3d& normal);
