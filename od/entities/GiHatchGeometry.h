#pragma once

// The geometry a hatch draws, in its plane: boundary loops as point chains
// and pattern lines cut to them.

#include "DbHatch.h"
#include "GeExtents2d.h"

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

// Where a hatch is seen: the rectangle of its plane that a view shows
// (invalid for all of it) and the length of a pixel there (0 when unknown).
struct OdGiHatchView {
  OdGeExtents2d visible;
  double pixelSize = 0;
};

// True when a family of pattern lines, where it is seen, lies closer than a
// pixel or counts more lines than are worth drawing: the hatch then looks
// filled and is drawn so.
bool odGiHatchPatternTooDense(const std::vector<OdGiPoints2d>& loops, const std::vector<OdDbHatch::PatternLine>& lines,
                              const OdGiHatchView& view = {});

// The dashes of the pattern lines that lie inside the loops, by the even-odd
// rule, where the view shows them. Dashes end up as segments, dots as
// segments of no length; a dash pattern finer than a pixel is drawn as
// unbroken lines.
std::vector<OdGiSegment2d> odGiHatchPatternSegments(const std::vector<OdGiPoints2d>& loops,
                                                   const std::vector<OdDbHatch::PatternLine>& lines,
                                                   const OdGiHatchView& view = {});
