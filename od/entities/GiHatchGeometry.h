#pragma once

// The geometry a hatch draws, in its plane: boundary loops as point chains
// and pattern lines cut to them.

#include "DbHatch.h"

#include <utility>
#include <vector>

using OdGiPoints2d = std::vector<OdGePoint2d>;
using OdGiSegment2d = std::pair<OdGePoint2d, OdGePoint2d>;

// A loop's edges as one chain of points: arcs, ellipses and splines
// tessellated, each edge turned to continue from where the chain ends.
OdGiPoints2d odGiHatchLoopPoints(const std::vector<OdDbHatch::Edge>& edges, int circleSegments = 72);

// The line families of a well-known predefined pattern (or of a user-defined
// one) at the hatch's angle and scale, as files hold them; empty for other names.
std::vector<OdDbHatch::PatternLine> odGiStandardPatternLines(const OdDbHatch& hatch);

// The dashes of the pattern lines that lie inside the loops, by the even-odd
// rule, across the loops' bounding box. Dashes end up as segments, dots as
// segments of no length. Families too dense to draw are left out.
std::vector<OdGiSegment2d> odGiHatchPatternSegments(const std::vector<OdGiPoints2d>& loops,
                                                   const std::vector<OdDbHatch::PatternLine>& lines);
