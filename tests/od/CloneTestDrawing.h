#pragma once

// A small drawing that holds what a deep clone has to follow: a layer with a
// linetype, a block with an entity, a block reference with an attribute, a
// polyline with vertices and a line with an extension dictionary.

#include "Db2dPolyline.h"
#include "Db2dVertex.h"
#include "DbAttribute.h"
#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbIdMapping.h"
#include "DbLine.h"
#include "DbSymbolTable.h"
#include "DbXrecord.h"
#include "ResBuf.h"

#include <vector>

struct CloneTestDrawing {
  OdDbDatabasePtr db;
  OdDbObjectId dashed, walls, door, doorLine, line, xrecord, insert, attribute, polyline;

  static OdDbBlockTableRecordPtr block(OdDbObjectId id, OdDb::OpenMode mode = OdDb::kForRead) {
    return OdDbBlockTableRecord::cast(id.openObject(mode).get());
  }
  OdDbBlockTableRecordPtr modelSpace() const { return block(db->getModelSpaceId(), OdDb::kForWrite); }
  std::vector<OdDbObjectId> modelSpaceIds() const { return modelSpace()->entityIds(); }

  CloneTestDrawing() : db(OdDbDatabase::create()) {
    addSymbols();
    addLine();
    addInsert();
    addPolyline();
  }

 private:
  void addSymbols() {
    OdDbLinetypeTableRecordPtr ltype = OdDbLinetypeTableRecord::createObject();
    ltype->setName(OdString("DASHED"));
    dashed = db->linetypeTable()->add(ltype.get());
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    layer->setName(OdString("WALLS"));
    layer->setColorIndex(5);
    layer->setLinetypeObjectId(dashed);
    walls = db->layerTable()->add(layer.get());
    OdDbBlockTableRecordPtr doorBlock = OdDbBlockTableRecord::createObject();
    doorBlock->setName(OdString("DOOR"));
    door = db->blockTable()->add(doorBlock.get());
    OdDbLinePtr inner = OdDbLine::createObject();
    inner->setLayer(walls);
    inner->setEndPoint(OdGePoint3d(1, 2, 0));
    doorLine = doorBlock->appendOdDbEntity(inner.get());
  }
  void addLine() {
    OdDbLinePtr l = OdDbLine::createObject();
    l->setLayer(walls);
    l->setEndPoint(OdGePoint3d(10, 0, 0));
    line = modelSpace()->appendOdDbEntity(l.get());
    l->createExtensionDictionary();
    OdDbDictionaryPtr xdict = OdDbDictionary::cast(l->extensionDictionary().openObject(OdDb::kForWrite).get());
    OdDbXrecordPtr data = OdDbXrecord::createObject();
    data->setFromRbChain(OdResBuf::newRb(OdResBuf::kRtString, OdString("kept")).get());
    xrecord = xdict->setAt(OdString("DATA"), data.get());
  }
  void addInsert() {
    OdDbBlockReferencePtr ref = OdDbBlockReference::createObject();
    ref->setBlockTableRecord(door);
    ref->setPosition(OdGePoint3d(5, 5, 0));
    insert = modelSpace()->appendOdDbEntity(ref.get());
    OdSmartPtr<OdDbAttribute> attr = OdDbAttribute::createObject();
    attr->setTag(OdString("NUMBER"));
    attr->setTextString(OdString("12"));
    attribute = ref->appendAttribute(attr.get());
  }
  void addPolyline() {
    OdSmartPtr<OdDb2dPolyline> pl = OdDb2dPolyline::createObject();
    polyline = modelSpace()->appendOdDbEntity(pl.get());
    for (int i = 0; i < 3; ++i) {
      OdSmartPtr<OdDb2dVertex> v = OdDb2dVertex::createObject();
      v->setPosition(OdGePoint3d(i, i * i, 0));
      pl->appendVertex(v.get());
    }
  }
};

// The pairs of a mapping in the order it gives them.
inline std::vector<OdDbIdPair> pairsOf(OdDbIdMapping& mapping) {
  std::vector<OdDbIdPair> pairs;
  for (OdDbIdMappingIterPtr it = mapping.newIterator(); !it->done(); it->next()) {
    OdDbIdPair pair;
    it->getMap(pair);
    pairs.push_back(pair);
  }
  return pairs;
}
