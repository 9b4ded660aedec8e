#pragma once

#include "OdString.h"

#include <initializer_list>

namespace dwgcompare {

// The module's user texts by id, as the user interface and the command line show them.
enum DcMessageId : int {
  kMsgBlock1Name = 116,
  kMsgBlock2Name = 117,
  kMsgNotInComparisonMode = 118,
  kMsgRowVisibilityText = 119,
  kMsgRowVisibilityHatch = 120,
  kMsgRowVisibilityFile1 = 122,
  kMsgSelectDrawing = 126,
  kMsgRowSelectFile1 = 128,
  kMsgRowSelectFile2 = 129,
  kMsgFile1NotFound = 130,
  kMsgFile2NotFound = 131,
  kMsgNoFailure = 132,
  kMsgFailedToCloneBlockTableRecord = 133,
  kMsgFailedToCreateLayout = 134,
  kMsgFailedToInsertBlockReference = 135,
  kMsgFailedToFindOriginalLayout = 136,
  kMsgInvalidComparingBlockTableRecord = 137,
  kMsgInvalidComparingLayout = 138,
  kMsgFailedToCloneOriginalLayout = 139,
  kMsgFailedToCloneComparingLayout = 140,
  kMsgResultName = 141,
  kMsgResultNameNumbered = 142,
  kMsgPaletteCaption = 144,
  kMsgCompareFailed = 145,
  kMsgBlock1NameNumbered = 146,
  kMsgBlock2NameNumbered = 147,
  kMsgFile1HasBlock = 148,
  kMsgFile2HasBlock = 149,
  kMsgFile1NotSelected = 150,
  kMsgFile2NotSelected = 151,
  kMsgLayoutColumn = 153,
  kMsgFailureReasonColumn = 154,
  kMsgInfoFile = 160,
  kMsgInfoFolder = 161,
  kMsgInfoDateSaved = 162,
  kMsgInfoSavedBy = 163,
  kMsgSpecifyStartPoint = 164,
  kMsgHelpTooltip = 165,
  kMsgCompareInfoTooltip = 166,
  kMsgComparing = 168,
  kMsgRowVisibilityFile2 = 169,
  kMsgRowVisibilityShared = 170,
  kMsgRowColorFile1 = 171,
  kMsgRowColorFile2 = 172,
  kMsgRowColorShared = 173,
  kMsgRowTransparencyFile1 = 174,
  kMsgRowTransparencyFile2 = 175,
  kMsgRowTransparencyShared = 176,
  kMsgProcessingFile1 = 177,
  kMsgProcessingFile2 = 178,
  kMsgGeneratingResult = 179,
  kMsgUnsupportedObjects = 180,
  kMsgUnsupportedObjectsList = 181,
  kMsgDoNotShowAgain = 182,
  kMsgOk = 183,
};

// The text of a message; empty for an id the table does not hold.
OdString dcMessage(int id);
// The message with its %s and %d filled, in order, with the given texts.
OdString dcFormatMessage(int id, std::initializer_list<OdString> values);

}  // namespace dwgcompare
