#pragma once

#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DcComparisonModel.h"
#include "ResBuf.h"

// How a saved result drawing remembers its compared pair: a dictionary
// "ZRKD_DIFF" in the named objects dictionary, with one Xrecord per file
// ("File1", "File2") holding its path, name, saved-by, date saved, bound
// block handle, then its hash values in binary chunks.
namespace dwgcompare {

inline constexpr const char* kPairInfoDictionary = "ZRKD_DIFF";
inline constexpr const char* kFile1Entry = "File1";
inline constexpr const char* kFile2Entry = "File2";

// A new empty pair dictionary (replacing one there), or null without a named objects dictionary.
OdDbObjectId createPairInfoDictionary(OdDbDatabase* database);
bool hasPairInfo(OdDbDatabase* database);
// The pair dictionary opened as asked, or null when there is none.
OdDbDictionaryPtr openPairInfoDictionary(OdDbDatabase* database, OdDb::OpenMode mode);

// The five string items of a file's Xrecord.
OdResBufPtr pairInfoChain(const FileInfo& info, const OdDbHandle& blockHandle);
// Reads the five items into info and the handle (0 unless a string or a
// handle); answers the item after them, where the hash chunks begin.
OdResBufPtr readPairInfoChain(const OdResBuf* chain, FileInfo& info, OdDbHandle& blockHandle);

}  // namespace dwgcompare
