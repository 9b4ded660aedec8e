#pragma once

#include "DcComparisonManager.h"
#include "HostEditorReactor.h"
#include "ProgressBar.h"

#include <array>
#include <optional>
#include <vector>

namespace dwgcompare {

// Makes the editor reactor a comparison run reports its deep clones and the
// zoom-all to; whoever starts comparisons owns the kind.
using DcEditorReactorMaker = OdSmartPtr<HostEditorReactor> (*)(DcEditorReactorResponder* responder);

class DcComparisonManagerImpl : public DcComparisonManager {
 public:
  DcComparisonManagerImpl();

  void addReactor(DcComparisonManagerReactor* reactor) override;
  void removeReactor(DcComparisonManagerReactor* reactor) override;
  void activate() override;
  const FileInfo* file1Info() const override { return m_file1Info.get(); }
  const FileInfo* file2Info() const override { return m_file2Info.get(); }
  OdResult compare(OdDbDatabase* file1, OdDbDatabase* file2) override;
  DcBlockTableRecordComparisonPtr findComparison(const OdDbObjectId& blockTableRecordId) const override;
  DcEnumComparisonPtr enumComparisons() const override;
  OdCmColor file1Color() const override { return m_file1Color; }
  OdCmColor file2Color() const override { return m_file2Color; }
  OdCmColor sharedColor() const override { return m_sharedColor; }
  const Changes& changes() override;
  int currentChange() const override { return m_currentChange; }
  bool selectChange(int index) override;

  OdDbHandle file1BlockHandle() const { return m_file1Block; }
  OdDbHandle file2BlockHandle() const { return m_file2Block; }
  bool isRestored() const { return m_restored; }
  ProgressBar& progress() { return m_progress; }
  // Without a maker a run does not follow the editor: its objects are never compared.
  void setEditorReactorMaker(DcEditorReactorMaker maker) { m_makeEditorReactor = maker; }
  // Databases read for the next compare of File 1 and File 2, which nothing
  // else changes: binding takes them rather than reading their files again
  // (while the files are unchanged), and lets each go once bound, so that a
  // caller handing over its only reference has the memory back early. Null
  // for a file to read again.
  void handOverReadFiles(OdDbDatabasePtr file1, OdDbDatabasePtr file2) {
    m_readFiles = {std::move(file1), std::move(file2)};
  }
  // What to paint: the comparison compared last or activated since; null when there is none.
  const DcDisplayContext* displayContext() const { return m_shown ? &*m_shown : nullptr; }

  // The pair as a saved result drawing keeps it: false when the database has no pair dictionary.
  bool writePairInfo(OdDbDatabase* database) const;
  bool readPairInfo(OdDbDatabase* database);

 private:
  template <class Notify>
  void notifyReactors(Notify notify);
  OdResult bindFile(OdDbDatabase* result, OdDbDatabase* file, const OdString& blockName, bool isFile2,
                    DcBlockTableRecordComparisonImpl& comparison, HostEditorReactor* editorReactor,
                    OdDbHandle& blockHandle);
  DcDisplayContext displayContextOf(DcBlockTableRecordComparisonImpl& comparison, OdDbDatabase* result) const;

  OdDbHandle m_file1Block;
  OdDbHandle m_file2Block;
  FileInfoPtr m_file1Info;
  FileInfoPtr m_file2Info;
  std::vector<DcComparisonManagerReactor*> m_reactors;
  OdCmColor m_file1Color;
  OdCmColor m_file2Color;
  OdCmColor m_sharedColor;
  ProgressBar m_progress;
  bool m_restored = false;
  std::vector<DcBlockTableRecordComparisonPtr> m_comparisons;
  DcEditorReactorMaker m_makeEditorReactor = nullptr;
  std::array<OdDbDatabasePtr, 2> m_readFiles;
  std::optional<DcDisplayContext> m_shown;
  int m_currentChange = -1;
};

// The identity of a file as the comparison records it.
FileInfoPtr makeFileInfo(OdDbDatabase* database);

}  // namespace dwgcompare
