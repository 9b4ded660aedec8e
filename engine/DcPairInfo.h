#pragma once

#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DcComparisonModel.h"
#include "ResBuf.h"

#include <cstdint>
#include <vector>

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
// The pair dictionary opened as asked, or null when there is none (or the
// entry of that name is no dictionary: files are not to be trusted).
OdDbDictionaryPtr openPairInfoDictionary(OdDbDatabase* database, OdDb::OpenMode mode);

// The items of a file's Xrecord ("File1" or "File2"), or null when it has none.
OdResBufPtr pairInfoRecordChain(const OdDbDictionary* pair, const char* entry);
// The five string items of a file's Xrecord.
OdResBufPtr pairInfoChain(const FileInfo& info, const OdDbHandle& blockHandle);
// Reads the five items into info and the handle (0 unless a string or a
// handle); answers the item after them, where the hash chunks begin.
OdResBufPtr readPairInfoChain(const OdResBuf* chain, FileInfo& info, OdDbHandle& blockHandle);
// The hash values of the chunks from there on (little-endian, four bytes
// each, zeros fill the last chunk); false at an empty chunk, where reading stops.
bool readPairInfoHashes(const OdResBuf* chunks, std::vector<uint32_t>& values);

}  // namespace dwgcompare
