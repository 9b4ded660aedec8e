#pragma once

// What text entities show: their codes turned into the characters and lines
// drawn with the text primitive. Fonts are not at hand, so lengths are estimates.

#include "GePoint3d.h"
#include "GeVector3d.h"
#include "OdString.h"

#include <vector>

class OdGiWorldDraw;

// %%c, %%d and %%p as Ø, ° and ±, %%% as %, %%nnn as the character nnn; the
// underline and overline toggles (%%u, %%o) dropped.
OdString odGiPercentCodesReplaced(const OdString& text);

// The lines MTEXT contents show: split at paragraphs (\P, \N, \X, line
// feeds), formatting codes and grouping braces dropped, stacks (\Sa^b;) as
// a/b, tabs as spaces.
std::vector<OdString> odGiMTextLines(const OdString& contents);

// Every character counted as wide as the text is high, scaled by the width factor.
double odGiEstimatedTextLength(const OdString& text, double height, double widthFactor = 1);

// Lines broken between words where they are estimated longer than width; unchanged for width 0.
std::vector<OdString> odGiWrappedLines(const std::vector<OdString>& lines, double width, double height);

// Where and how paragraph text is placed, as MTEXT gives it.
struct OdGiMTextLayout {
  OdGePoint3d location;
  OdGeVector3d normal = OdGeVector3d::kZAxis;
  OdGeVector3d direction = OdGeVector3d::kXAxis;  // along the lines, in world coordinates
  double height = 1;
  double width = 0;    // wrapping width; 0 for none
  int attachment = 1;  // 1..9: top, middle, bottom rows of left, centre, right
  double lineSpacingFactor = 1;
};

// One text primitive per line of the contents.
void odGiDrawMText(OdGiWorldDraw* wd, const OdGiMTextLayout& layout, const OdString& contents);
