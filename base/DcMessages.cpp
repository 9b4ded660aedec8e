#include "DcMessages.h"

#include <map>

namespace dwgcompare {
namespace {
const std::map<int, const char*>& messageTable() {
  static const std::map<int, const char*> table = {
      {kMsgBlock1Name, "BLOCK 1(FILE 1)"},
      {kMsgBlock2Name, "BLOCK 2(FILE 2)"},
      {kMsgNotInComparisonMode, "\nNot in comparison mode"},
      {kMsgRowVisibilityText, "Visibility.Text"},
      {kMsgRowVisibilityHatch, "Visibility.Hatch"},
      {kMsgRowVisibilityFile1, "Visibility.File 1"},
      {kMsgSelectDrawing, "Select drawing..."},
      {kMsgRowSelectFile1, "Select.File 1"},
      {kMsgRowSelectFile2, "Select.File 2"},
      {kMsgFile1NotFound, "File '%s' is not found"},
      {kMsgFile2NotFound, "File '%s' is not found"},
      {kMsgNoFailure, "No failure"},
      {kMsgFailedToCloneBlockTableRecord, "Failed to clone block table record"},
      {kMsgFailedToCreateLayout, "Failed to create layout"},
      {kMsgFailedToInsertBlockReference, "Failed to insert comparing block reference"},
      {kMsgFailedToFindOriginalLayout, "Failed to find original layout"},
      {kMsgInvalidComparingBlockTableRecord, "Invalid comparing block table record"},
      {kMsgInvalidComparingLayout, "Invalid comparing layout"},
      {kMsgFailedToCloneOriginalLayout, "Failed to clone original layout block into merge database"},
      {kMsgFailedToCloneComparingLayout, "Failed to clone comparing layout block into merge database"},
      {kMsgResultName, "Result of comparing_%s and %s"},
      {kMsgResultNameNumbered, "Result of comparing_%s and %s (%d)"},
      {kMsgPaletteCaption, "Drawing Compare"},
      {kMsgCompareFailed, "Failed to compare drawings '%s' and '%s'.\nError description: '%s'"},
      {kMsgBlock1NameNumbered, "BLOCK 1(FILE 1)_%d"},
      {kMsgBlock2NameNumbered, "BLOCK 2(FILE 2)_%d"},
      {kMsgFile1HasBlock, "\nFile 1 already contains block \"%s\" - using \"%s\""},
      {kMsgFile2HasBlock, "\nFile 2 already contains block \"%s\" - using \"%s\""},
      {kMsgFile1NotSelected, "File 1 is not selected."},
      {kMsgFile2NotSelected, "File 2 is not selected."},
      {kMsgLayoutColumn, "Layout"},
      {kMsgFailureReasonColumn, "Failure reason"},
      {kMsgInfoFile, "File %d: %s\r\n"},
      {kMsgInfoFolder, "Folder Path: %s\r\n"},
      {kMsgInfoDateSaved, "Date Saved: %s\r\n"},
      {kMsgInfoSavedBy, "Saved By: %s\r\n"},
      {kMsgSpecifyStartPoint, "Specify start point"},
      {kMsgHelpTooltip, "Help Contents and Index"},
      {kMsgCompareInfoTooltip, "Information about Compared Files "},
      {kMsgComparing, "Comparing..."},
      {kMsgRowVisibilityFile2, "Visibility.File 2"},
      {kMsgRowVisibilityShared, "Visibility.Shared"},
      {kMsgRowColorFile1, "Color.File 1"},
      {kMsgRowColorFile2, "Color.File 2"},
      {kMsgRowColorShared, "Color.Shared"},
      {kMsgRowTransparencyFile1, "Transparency.File 1"},
      {kMsgRowTransparencyFile2, "Transparency.File 2"},
      {kMsgRowTransparencyShared, "Transparency.Shared"},
      {kMsgProcessingFile1, "Processing File 1"},
      {kMsgProcessingFile2, "Processing File 2"},
      {kMsgGeneratingResult, "Generating result"},
      {kMsgUnsupportedObjects, "Unsupported objects were found and excluded from the comparison result:"},
      {kMsgUnsupportedObjectsList, "%s"},
      {kMsgDoNotShowAgain, "Do not show this message again"},
      {kMsgOk, "Ok"},
  };
  return table;
}
}  // namespace

OdString dcMessage(int id) {
  auto found = messageTable().find(id);
  return found == messageTable().end() ? OdString() : OdString(found->second);
}

OdString dcFormatMessage(int id, std::initializer_list<OdString> values) {
  std::string text = dcMessage(id).utf8();
  std::string out;
  auto next = values.begin();
  for (size_t i = 0; i < text.size(); ++i) {
    bool placeholder = text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'd');
    if (placeholder && next != values.end()) {
      out += (next++)->utf8();
      ++i;
    } else {
      out += text[i];
    }
  }
  return OdString(out);
}

}  // namespace dwgcompare
