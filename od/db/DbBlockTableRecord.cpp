#include "DbBlockTableRecord.h"

#include "DbDatabase.h"
#include "DbLayout.h"

ODRX_DEFINE_NAMED(OdDbBlockTableRecord, "AcDbBlockTableRecord", OdDbSymbolTableRecord, "BLOCK_RECORD",
                  odrxNewReferenced<OdDbBlockTableRecord>)
ODRX_DEFINE_NAMED(OdDbBlockBegin, "AcDbBlockBegin", OdDbEntity, "BLOCK", odrxNewReferenced<OdDbBlockBegin>)
ODRX_DEFINE_NAMED(OdDbBlockEnd, "AcDbBlockEnd", OdDbEntity, "ENDBLK", odrxNewReferenced<OdDbBlockEnd>)

const dxf::ClassLayout& OdDbBlockTableRecord::layout() {
  static const dxf::Field fields[] = {
      dxf::name<&OdDbBlockTableRecord::m_name>(2),
      dxf::field<&OdDbBlockTableRecord::m_layout>(340),
      dxf::optional<&OdDbBlockTableRecord::m_units>(70),
      dxf::field<&OdDbBlockTableRecord::m_explodable>(280, dxf::defInt(1)),
      dxf::field<&OdDbBlockTableRecord::m_scalable>(281),
      dxf::optional<&OdDbBlockTableRecord::m_preview>(310),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbSymbolTableRecord::layout(), fields);
  return layout;
}

OdDbBlockTableRecord::OdDbBlockTableRecord() { layout().applyOwnDefaults(this); }

OdDbObjectId OdDbBlockTableRecord::appendOdDbEntity(OdDbEntity* entity) {
  OdDbDatabase* db = database();
  if (!db || !isDBRO()) throw OdError(eNotApplicable, "The block " + getName() + " is not in a database");
  if (!entity) throw OdError(eInvalidInput, "No entity to append to " + getName());
  entity->setOwnerId(objectId());
  if (entity->layerId().isNull()) entity->setDatabaseDefaults(db);
  OdDbObjectId id = entity->isDBRO() ? entity->objectId() : db->addOdDbObject(entity);
  m_entities.push_back(id);
  return id;
}

void OdDbBlockTableRecord::removeEntity(OdDbObjectId id) {
  m_entities.erase(std::remove(m_entities.begin(), m_entities.end(), id), m_entities.end());
}

int OdDbBlockTableRecord::entityCount() const {
  int n = 0;
  for (OdDbObjectId id : m_entities) n += id.isErased() ? 0 : 1;
  return n;
}

bool OdDbBlockTableRecord::isLayout() const { return !m_layout.isNull() || isModelSpace() || isPaperSpace(); }

bool OdDbBlockTableRecord::isModelSpace() const { return m_name.iCompare(OdString("*Model_Space")) == 0; }

bool OdDbBlockTableRecord::isPaperSpace() const { return m_name.upper().find(OdString("*PAPER_SPACE")) == 0; }

// ---- BLOCK and ENDBLK

const dxf::ClassLayout& OdDbBlockBegin::layout() {
  static const dxf::Custom block{&OdDbBlockBegin::readBlock, &OdDbBlockBegin::writeBlock};
  static const dxf::Field fields[] = {dxf::custom(block)};
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbBlockBegin::OdDbBlockBegin() = default;

bool OdDbBlockBegin::readBlock(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  Read& r = static_cast<OdDbBlockBegin*>(obj)->m_read;
  switch (g.code) {
    case 2: r.name = ctx.decodeString(g.value); return true;
    case 3: if (r.name.isEmpty()) r.name = ctx.decodeString(g.value); return true;
    case 70: r.flags = static_cast<int16_t>(dxf::toInt(g)); return true;
    case 10: r.origin.x = dxf::toDouble(g); return true;
    case 20: r.origin.y = dxf::toDouble(g); return true;
    case 30: r.origin.z = dxf::toDouble(g); return true;
    case 1: r.pathName = ctx.decodeString(g.value); return true;
    case 4: r.description = ctx.decodeString(g.value); return true;
    default: return false;
  }
}

void OdDbBlockBegin::writeBlock(const OdDbObject* obj, OdDbDxfFiler* filer) {
  OdSmartPtr<OdDbBlockTableRecord> block = OdDbBlockTableRecord::cast(obj->ownerId().openObject().get());
  Read values;
  if (block) values = Read{block->m_name, block->m_blockFlags, block->m_origin, block->m_pathName, block->m_description};
  else values = static_cast<const OdDbBlockBegin*>(obj)->m_read;
  filer->wrName(2, values.name);
  filer->wrInt16(70, values.flags);
  filer->wrPoint3d(10, values.origin);
  filer->wrName(3, values.name);
  filer->wrString(1, values.pathName);
  if (!values.description.isEmpty()) filer->wrString(4, values.description);
}

void OdDbBlockBegin::applyTo(OdDbBlockTableRecord* block) const {
  if (block->m_name.isEmpty()) block->m_name = m_read.name;
  block->m_blockFlags = m_read.flags;
  block->m_origin = m_read.origin;
  block->m_pathName = m_read.pathName;
  block->m_description = m_read.description;
}

const dxf::ClassLayout& OdDbBlockEnd::layout() {
  static const dxf::Field fields[] = {dxf::marker("AcDbBlockEnd")};
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}
