#include "DcPairInfo.h"

#include "DbXrecord.h"

namespace dwgcompare {

OdDbObjectId createPairInfoDictionary(OdDbDatabase* database) {
  OdDbObjectId namedId = database->getNamedObjectsDictionaryId();
  if (namedId.isNull()) return OdDbObjectId();
  OdDbDictionaryPtr named = namedId.safeOpenObject(OdDb::kForWrite);
  OdDbDictionaryPtr pair = OdDbDictionary::createObject();
  return named->setAt(kPairInfoDictionary, pair.get());
}

bool hasPairInfo(OdDbDatabase* database) {
  OdDbObjectPtr named = database ? database->getNamedObjectsDictionaryId().openObject() : OdDbObjectPtr();
  auto dictionary = OdDbDictionary::cast(named.get());
  return !dictionary.isNull() && dictionary->has(kPairInfoDictionary);
}

OdDbDictionaryPtr openPairInfoDictionary(OdDbDatabase* database, OdDb::OpenMode mode) {
  if (!hasPairInfo(database)) return OdDbDictionaryPtr();
  OdDbDictionaryPtr named = database->getNamedObjectsDictionaryId().safeOpenObject();
  return OdDbDictionary::cast(named->getAt(kPairInfoDictionary, mode).get());
}

OdResBufPtr pairInfoRecordChain(const OdDbDictionary* pair, const char* entry) {
  OdDbXrecordPtr record = OdDbXrecord::cast(pair->getAt(entry, OdDb::kForRead).get());
  return record.isNull() ? OdResBufPtr() : record->rbChain();
}

OdResBufPtr pairInfoChain(const FileInfo& info, const OdDbHandle& blockHandle) {
  OdResBufPtr first = OdResBuf::newRb(OdResBuf::kRtString, info.path);
  OdResBuf* last = first.get();
  for (const OdString& text : {info.fileName, info.savedBy, info.dateSaved, OdString(blockHandle.text())})
    last = last->setNext(OdResBuf::newRb(OdResBuf::kRtString, text).get());
  return first;
}

OdResBufPtr readPairInfoChain(const OdResBuf* chain, FileInfo& info, OdDbHandle& blockHandle) {
  const OdResBuf* item = chain;
  for (OdString* text : {&info.path, &info.fileName, &info.savedBy, &info.dateSaved}) {
    if (!item) return OdResBufPtr();
    *text = item->getString();
    item = item->next().get();
  }
  if (!item) return OdResBufPtr();
  if (item->restype() == OdResBuf::kRtString) blockHandle = OdDbHandle(item->getString());
  else if (item->restype() == OdResBuf::kDxfArbHandle) blockHandle = item->getHandle();
  return item->next();
}

bool readPairInfoHashes(const OdResBuf* chunks, std::vector<uint32_t>& values) {
  for (const OdResBuf* item = chunks; item; item = item->next().get()) {
    const OdBinaryData& chunk = item->getBinaryChunk();
    if (chunk.empty()) return false;
    for (size_t at = 0; at + 4 <= chunk.size(); at += 4) {
      uint32_t value = uint32_t(chunk[at]) | uint32_t(chunk[at + 1]) << 8 | uint32_t(chunk[at + 2]) << 16 |
                       uint32_t(chunk[at + 3]) << 24;
      if (value != 0) values.push_back(value);
    }
  }
  return true;
}

}  // namespace dwgcompare
