#include "DcResultDrawing.h"

#include "DbBlockReference.h"
#include "DbDictionary.h"
#include "DbXRefMan.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "HostDocManager.h"
#include "HostEditor.h"

#include <filesystem>

namespace dwgcompare {
namespace {

bool hasBlock(OdDbDatabase* db, const OdString& name) {
  OdDbSymbolTablePtr blocks = db->getBlockTableId().safeOpenObject();
  return blocks->has(name);
}

OdString freeNumberedName(OdDbDatabase* db, int numberedMessage) {
  int& counter = resultBlockNameCounter();
  for (;; ++counter) {
    OdString candidate = dcFormatMessage(numberedMessage, {OdString::format("%d", counter)});
    if (!hasBlock(db, candidate)) return candidate;
  }
}

// Replaces the name when the database has a block of it, and tells the user.
void replaceWhenTaken(OdString& name, OdDbDatabase* db, int numberedMessage, int tellMessage) {
  if (!hasBlock(db, name)) return;
  OdString replacement = freeNumberedName(db, numberedMessage);
  hostPrint(dcFormatMessage(tellMessage, {name, replacement}));
  name = replacement;
}

OdString baseNameOf(const OdString& path) { return OdString(std::filesystem::path(path.utf8()).stem().string()); }

bool isOpenDocumentName(const OdString& name) {
  HostDocManager* docs = hostDocManager();
  if (!docs) return false;
  for (HostDocument* doc : docs->documents())
    if (doc->name().iCompare(name) == 0) return true;
  return false;
}
}  // namespace

int& resultBlockNameCounter() {
  static int counter = 1;
  return counter;
}

ResultBlockNames chooseResultBlockNames(OdDbDatabase* file1, OdDbDatabase* file2) {
  ResultBlockNames names{dcMessage(kMsgBlock1Name), dcMessage(kMsgBlock2Name)};
  replaceWhenTaken(names.file1, file1, kMsgBlock1NameNumbered, kMsgFile1HasBlock);
  replaceWhenTaken(names.file2, file2, kMsgBlock2NameNumbered, kMsgFile2HasBlock);
  replaceWhenTaken(names.file2, file1, kMsgBlock2NameNumbered, kMsgFile1HasBlock);
  replaceWhenTaken(names.file1, file2, kMsgBlock1NameNumbered, kMsgFile2HasBlock);
  return names;
}

OdDbBlockTableRecordPtr attachFileBlock(OdDbDatabase* result, OdDbDatabase* file, const OdString& blockName) {
  OdString path = file->getFilename();
  OdDbBlockTableRecordPtr block =
      OdDbXRefManExt::addNewXRefDefBlock(result, path, blockName, false, OdString(), OdDbHandle());
  if (!block.isNull()) block->setPathName(path);
  return block;
}

void bindFileBlock(OdDbBlockTableRecord* block, HostEditorReactor* reactor, bool keepReactorRegistered,
                   OdDbDatabasePtr handedOver) {
  HostEditor* editor = reactor ? hostEditor() : nullptr;
  try {
    OdDbXRefMan::load(block, handedOver.get());
    handedOver.release();
    OdDbXRefMan::setOverlaid(block, false);
    if (editor) editor->addReactor(reactor);
    OdDbXRefMan::bind(block);
  } catch (const OdError&) {
    if (editor) editor->removeReactor(reactor);
    throw;
  }
  if (editor && !keepReactorRegistered) editor->removeReactor(reactor);
}

OdDbObjectId insertMarkedReference(OdDbDatabase* result, const OdDbObjectId& block) {
  OdDbBlockReferencePtr reference = OdDbBlockReference::createObject();
  reference->setDatabaseDefaults(result);
  reference->setBlockTableRecord(block);
  OdDbBlockTableRecordPtr modelSpace = result->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbObjectId id = modelSpace->appendOdDbEntity(reference.get());
  markResultObject(reference.get());
  reference->downgradeOpen();
  markResultObject(block.safeOpenObject(OdDb::kForWrite).get());
  return id;
}

void nameResult(HostDocument* result, const OdString& file1Path, const OdString& file2Path) {
  OdString name1 = baseNameOf(file1Path);
  OdString name2 = baseNameOf(file2Path);
  OdString name = dcFormatMessage(kMsgResultName, {name1, name2});
  for (int number = 1; isOpenDocumentName(name); ++number)
    name = dcFormatMessage(kMsgResultNameNumbered, {name1, name2, OdString::format("%d", number)});
  result->setName(name);
  result->database()->setFilename(name);
}

void markResultObject(OdDbObject* object) {
  object->upgradeOpen();
  object->createXrecord(kResultBlockMark, OdDb::kDrcIgnore);
}

bool isMarkedResultObject(const OdDbObject* object) {
  if (!object) return false;
  OdDbObjectId extension = object->extensionDictionary();
  if (!extension.isValid()) return false;
  OdDbObjectPtr dictionary = extension.openObject();
  auto asDictionary = OdDbDictionary::cast(dictionary.get());
  return !asDictionary.isNull() && asDictionary->has(kResultBlockMark);
}

}  // namespace dwgcompare
