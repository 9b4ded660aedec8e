#pragma once

// A test's own drawing built through the API: entities with the drawing's
// defaults, blocks, references, layers, and model space drawn into a sink.

#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbLine.h"
#include "DbSymbolTable.h"
#include "GiWorldDrawImpl.h"
#include "od/GiRecordingSink.h"

inline OdDbBlockTableRecordPtr modelSpaceOf(OdDbDatabase* db) {
  return db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
}

template <class T>
OdSmartPtr<T> addTo(OdDbBlockTableRecord* owner) {
  OdSmartPtr<T> entity = T::createObject();
  entity->setDatabaseDefaults(owner->database());
  owner->appendOdDbEntity(entity.get());
  return entity;
}

inline OdDbLinePtr addLine(OdDbBlockTableRecord* owner, const OdGePoint3d& start, const OdGePoint3d& end) {
  OdDbLinePtr line = addTo<OdDbLine>(owner);
  line->setStartPoint(start);
  line->setEndPoint(end);
  return line;
}

inline OdDbBlockTableRecordPtr addBlock(OdDbDatabase* db, const char* name) {
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(name);
  db->blockTable()->add(block.get());
  return block;
}

inline OdDbBlockReferencePtr addReference(OdDbBlockTableRecord* owner, const OdDbObjectId& block,
                                          const OdGePoint3d& at) {
  OdDbBlockReferencePtr reference = addTo<OdDbBlockReference>(owner);
  reference->setBlockTableRecord(block);
  reference->setPosition(at);
  return reference;
}

inline OdDbObjectId addLayer(OdDbDatabase* db, const char* name, int16_t colorIndex = 7) {
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(name);
  layer->setColorIndex(colorIndex);
  return db->layerTable()->add(layer.get());
}

// Model space drawn as the host's device draws it, into a sink that keeps it.
inline RecordingSink drawModelSpace(OdDbDatabase* db, OdGiRegenType regenType = kOdGiStandardDisplay) {
  RecordingSink sink;
  OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject();
  OdGiWorldDrawImpl(sink, regenType).drawBlock(modelSpace.get());
  return sink;
}
