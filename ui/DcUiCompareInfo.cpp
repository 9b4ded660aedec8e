#include "DcUiCompareInfo.h"

#include "DbBlockTableRecord.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "HostDocManager.h"
#include "HostEditor.h"

namespace dwgcompareui {
using namespace dwgcompare;

namespace {
OdString fileBlock(int number, const FileInfo& file) {
  return dcFormatMessage(kMsgInfoFile, {OdString::format("%d", number), file.fileName}) +
         dcFormatMessage(kMsgInfoFolder, {file.path}) + dcFormatMessage(kMsgInfoDateSaved, {file.dateSaved}) +
         dcFormatMessage(kMsgInfoSavedBy, {file.savedBy}) + "\r\n";
}
}  // namespace

std::vector<DcUiCompareInfoField> compareInfoFields(const FileInfo& file1, const FileInfo& file2) {
  return {{1043, "File 1:", file1.fileName}, {1040, "Date Saved:", file1.dateSaved},
          {1042, "Saved By:", file1.savedBy}, {1039, "Folder Path:", file1.path},
          {1046, "File 2:", file2.fileName}, {1044, "Date Saved:", file2.dateSaved},
          {1045, "Saved By:", file2.savedBy}, {1041, "Folder Path:", file2.path}};
}

OdString compareInfoText(const FileInfo& file1, const FileInfo& file2) {
  return fileBlock(1, file1) + fileBlock(2, file2);
}

std::vector<OdString> compareInfoLines(const OdString& text) {
  std::vector<OdString> lines;
  std::u16string rest = text.units();
  for (size_t end; (end = rest.find(u"\r\n")) != std::u16string::npos; rest.erase(0, end + 2))
    lines.push_back(OdString(rest.substr(0, end)));
  if (!rest.empty()) lines.push_back(OdString(rest));
  return lines;
}

bool insertCompareInfoText(const OdString& text) {
  HostDocument* document = hostCurrentDocument();
  HostEditor* editor = hostEditor();
  if (!document || !editor) return false;
  OdDbDatabase* database = document->database();
  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setContents(text);
  mtext->setDatabaseDefaults(database);
  DcMTextTracker tracker(*mtext);
  OdGePoint3d point;
  if (editor->getPoint(dcMessage(kMsgSpecifyStartPoint), &tracker, point) != kPromptOk) return false;
  // The host shows model space only: it is the active layout.
  OdDbBlockTableRecordPtr space = database->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  mtext->setLocation(point);
  space->appendOdDbEntity(mtext.get());
  return true;
}

}  // namespace dwgcompareui
