#pragma once

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"

#include <functional>

// Reads the drawing an external reference names. Throws OdError when it cannot.
using OdDbDrawingReader = std::function<OdDbDatabasePtr(const OdString& path)>;
// Registers the reader hosts want for referenced drawings (DWG files, files
// found elsewhere); an empty one restores the default, which reads DXF files
// with odReadDrawingFile (DXF or DWG) and throws eFileNotFound naming a path that does not exist.
void odDbSetDrawingReader(OdDbDrawingReader reader);

class OdDbXRefManExt {
 public:
  // A new block of the database standing for the drawing at pathName: flags 4
  // (external reference), and 8 when overlaid. Null when it cannot be made:
  // no database, an empty or taken name, a name with '|', an empty path.
  // The handle is the block's when free. The password is for readers of
  // protected drawings; DXF files have none.
  static OdDbBlockTableRecordPtr addNewXRefDefBlock(OdDbDatabase* db, const OdString& pathName,
                                                    const OdString& blockName, bool overlaid,
                                                    const OdString& password = OdString(),
                                                    OdDbHandle handle = OdDbHandle());
};

// Loading and binding of external references. Each call takes a block made
// by addNewXRefDefBlock (or read from a file) and throws OdError when it
// cannot do its work: eNoXrefDefinitionBlock for a block that is no external
// reference, eFileNotFound naming the path of a drawing that is not there, or
// whatever the drawing reader throws. They answer eOk otherwise.
class OdDbXRefMan {
 public:
  // Reads the referenced drawing (its path relative to the host's file when
  // found there) and resolves the reference: the drawing's layers, linetypes,
  // text styles, dimension styles and named blocks appear in the host as
  // "BLOCK|name" records with flags 16 and 32 (dependent, resolved), layer "0"
  // and linetypes ByLayer, ByBlock and Continuous being the host's own. The
  // block stands for the drawing's model space, which stays in the loaded
  // drawing (xrefDatabase); dependent blocks come empty. Loading again reloads.
  // A database already read from the drawing's file (odReadDrawingFile), and
  // unchanged since, is taken instead of reading the file again when the file
  // is unchanged too: it must not change while loaded, as the bind reads it.
  static OdResult load(OdDbBlockTableRecord* block, OdDbDatabase* alreadyRead = nullptr);
  static OdResult setOverlaid(OdDbBlockTableRecord* block, bool overlaid);
  // Makes the reference an ordinary block holding a deep clone of the
  // drawing's model space entities (loading it first when needed). The
  // dependent symbols come in as "BLOCK$0$name" ("$1$" and on when the name is
  // taken), nested blocks with their entities, and take the place of the
  // "BLOCK|name" records, so that what referenced those references them. With
  // insertMode they keep their names, and a symbol the host has already is the
  // host's. One bind is one deep clone: it fires endDeepClone once, with the
  // mapping of everything it cloned. The keys of that mapping are ids of the
  // loaded drawing, which the bind lets go of when it returns: reactors read
  // them in endDeepClone. A loaded drawing that nobody else holds lets go of
  // each entity once it is cloned; its keys still give their handles.
  static OdResult bind(OdDbBlockTableRecord* block, bool insertMode = false);
  // The drawing loaded for the block, or null.
  static OdDbDatabase* xrefDatabase(const OdDbBlockTableRecord* block);
};
