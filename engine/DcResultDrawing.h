#pragma once

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"

class HostDocument;
class HostEditorReactor;

// The steps that build a result drawing: both files bound as blocks laid
// over each other, each block and its reference marked.
namespace dwgcompare {

// The key of the mark in an object's extension dictionary.
inline constexpr const char* kResultBlockMark = "ZRDIFF_BLOCK";

struct ResultBlockNames {
  OdString file1;
  OdString file2;
};

// The two block names, changed where a file already has a block of the
// name; each change is told on the command line.
ResultBlockNames chooseResultBlockNames(OdDbDatabase* file1, OdDbDatabase* file2);
// The counter behind the numbered block names; it only grows while the module is loaded.
int& resultBlockNameCounter();

// A new external-reference block of the result for the file, or null when
// the library cannot make one.
OdDbBlockTableRecordPtr attachFileBlock(OdDbDatabase* result, OdDbDatabase* file, const OdString& blockName);
// Loads and binds the reference with the reactor (when there is one) listening to the editor;
// the reactor stays registered when asked to. Library errors leave with the
// reactor unregistered. A drawing read for the comparison and handed over is
// bound instead of the file read again if nothing changed since it was read
// (OdDbXRefMan::load); held by nobody else, it lets go of its entities as the
// bind copies them.
void bindFileBlock(OdDbBlockTableRecord* block, HostEditorReactor* reactor, bool keepReactorRegistered,
                   OdDbDatabasePtr handedOver);
// A marked reference to the bound block in the result's model space; the block is marked too.
OdDbObjectId insertMarkedReference(OdDbDatabase* result, const OdDbObjectId& block);

// Names the result document and its database after the two files, with a
// number when an open document has that name already.
void nameResult(HostDocument* result, const OdString& file1Path, const OdString& file2Path);

void markResultObject(OdDbObject* object);
// Whether the object is one of a result drawing's two blocks or their references.
bool isMarkedResultObject(const OdDbObject* object);

}  // namespace dwgcompare
