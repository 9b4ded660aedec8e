#pragma once

#include "DbMText.h"
#include "DcComparisonModel.h"
#include "HostPointTracker.h"

#include <vector>

namespace dwgcompareui {

// One field of the information about the compared files: the dialog's
// control, its label and what it shows.
struct DcUiCompareInfoField {
  int control;
  const char* label;
  OdString value;
};

// The eight fields, File 1's then File 2's: name, date saved, saved by, path.
std::vector<DcUiCompareInfoField> compareInfoFields(const dwgcompare::FileInfo& file1,
                                                    const dwgcompare::FileInfo& file2);
// The information as the clipboard and the inserted text take it: per file
// its name, path, date saved and last saver, then an empty line; ten lines,
// each ended by carriage return and line feed.
OdString compareInfoText(const dwgcompare::FileInfo& file1, const dwgcompare::FileInfo& file2);
// The text's lines without their ends, the empty ones kept: for a terminal.
std::vector<OdString> compareInfoLines(const OdString& text);

// Moves the text being placed to the cursor.
class DcMTextTracker : public HostPointTracker {
 public:
  explicit DcMTextTracker(OdDbMText& text) : m_text(text) {}
  void setValue(const OdGePoint3d& point) override { m_text.setLocation(point); }
  const OdDbEntity* followingEntity() const override { return &m_text; }

 private:
  OdDbMText& m_text;
};

// Asks for a start point, the text following the cursor, and adds the text
// there to the current drawing's model space; false, and the drawing left
// as it was, when the prompt is cancelled.
bool insertCompareInfoText(const OdString& text);

}  // namespace dwgcompareui
