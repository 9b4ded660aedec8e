#include "DbSymbolTable.h"

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"

#include <algorithm>

ODRX_DEFINE_NAMED(OdDbSymbolTable, "AcDbSymbolTable", OdDbObject, "TABLE", odrxNewReferenced<OdDbSymbolTable>)
ODRX_DEFINE_NAMED(OdDbSymbolTableRecord, "AcDbSymbolTableRecord", OdDbObject, "", nullptr)
ODRX_DEFINE_NAMED(OdDbLayerTableRecord, "AcDbLayerTableRecord", OdDbSymbolTableRecord, "LAYER",
                  odrxNewReferenced<OdDbLayerTableRecord>)
ODRX_DEFINE_NAMED(OdDbLinetypeTableRecord, "AcDbLinetypeTableRecord", OdDbSymbolTableRecord, "LTYPE",
                  odrxNewReferenced<OdDbLinetypeTableRecord>)
ODRX_DEFINE_NAMED(OdDbTextStyleTableRecord, "AcDbTextStyleTableRecord", OdDbSymbolTableRecord, "STYLE",
                  odrxNewReferenced<OdDbTextStyleTableRecord>)
ODRX_DEFINE_NAMED(OdDbDimStyleTableRecord, "AcDbDimStyleTableRecord", OdDbSymbolTableRecord, "DIMSTYLE",
                  odrxNewReferenced<OdDbDimStyleTableRecord>)
ODRX_DEFINE_NAMED(OdDbRegAppTableRecord, "AcDbRegAppTableRecord", OdDbSymbolTableRecord, "APPID",
                  odrxNewReferenced<OdDbRegAppTableRecord>)
ODRX_DEFINE_NAMED(OdDbViewTableRecord, "AcDbViewTableRecord", OdDbSymbolTableRecord, "VIEW",
                  odrxNewReferenced<OdDbViewTableRecord>)
ODRX_DEFINE_NAMED(OdDbUCSTableRecord, "AcDbUCSTableRecord", OdDbSymbolTableRecord, "UCS",
                  odrxNewReferenced<OdDbUCSTableRecord>)
ODRX_DEFINE_NAMED(OdDbViewportTableRecord, "AcDbViewportTableRecord", OdDbSymbolTableRecord, "VPORT",
                  odrxNewReferenced<OdDbViewportTableRecord>)

namespace dxf {
OdString symbolNameOf(const OdDbObject* record) {
  auto* symbol = dynamic_cast<const OdDbSymbolTableRecord*>(record);
  return symbol ? symbol->getName() : OdString();
}
}  // namespace dxf

// ---- table

const dxf::ClassLayout& OdDbSymbolTable::layout() {
  static const dxf::Custom count{&OdDbSymbolTable::skipCount, &OdDbSymbolTable::writeCount};
  static const dxf::Field fields[] = {dxf::custom(count)};
  static const dxf::ClassLayout layout(desc(), &OdDbObject::layout(), fields);
  return layout;
}

OdDbSymbolTable::OdDbSymbolTable() = default;

void OdDbSymbolTable::writeCount(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* table = static_cast<const OdDbSymbolTable*>(obj);
  int16_t live = 0;
  for (OdDbObjectId id : table->m_records) live += id.isErased() ? 0 : 1;
  filer->wrInt16(70, live);
}

OdDbObjectId OdDbSymbolTable::getAt(const OdString& name) const {
  auto it = m_byName.find(key(name));
  if (it == m_byName.end() || it->second.isErased()) return OdDbObjectId();
  return it->second;
}

OdDbObjectId OdDbSymbolTable::add(OdDbSymbolTableRecord* record) {
  if (!record) throw OdError(eInvalidInput);
  if (has(record->getName()))
    throw OdError(eDuplicateKey, dxfRecordName() + " table already has " + record->getName());
  OdDbDatabase* db = database();
  if (!db) throw OdError(eNotApplicable, "The table is not in a database");
  record->setOwnerId(objectId());
  OdDbObjectId id = db->addOdDbObject(record);
  attach(id, record->getName());
  if (auto* block = dynamic_cast<OdDbBlockTableRecord*>(record)) db->ensureBlockBeginAndEnd(block);
  return id;
}

void OdDbSymbolTable::attach(OdDbObjectId recordId, const OdString& name) {
  m_records.push_back(recordId);
  m_byName.emplace(key(name), recordId);
}

void OdDbSymbolTable::rename(OdDbObjectId recordId, const OdString& oldName, const OdString& newName) {
  auto it = m_byName.find(key(oldName));
  if (it != m_byName.end() && it->second == recordId) m_byName.erase(it);
  m_byName[key(newName)] = recordId;
}

// ---- records

const dxf::ClassLayout& OdDbSymbolTableRecord::layout() {
  static const dxf::Field fields[] = {dxf::marker("AcDbSymbolTableRecord")};
  static const dxf::ClassLayout layout(&OdDbObject::layout(), fields);
  return layout;
}

void OdDbSymbolTableRecord::setName(const OdString& name) {
  if (name == m_name) return;
  OdString old = m_name;
  m_name = name;
  if (!isDBRO()) return;
  if (OdSmartPtr<OdDbSymbolTable> table = OdDbSymbolTable::cast(ownerId().openObject().get()))
    table->rename(objectId(), old, name);
}

#define OD_NAME_AND_FLAGS(Class) dxf::name<&Class::m_name>(2), dxf::field<&Class::m_flags>(70)

const dxf::ClassLayout& OdDbLayerTableRecord::layout() {
  static const dxf::Field fields[] = {
      OD_NAME_AND_FLAGS(OdDbLayerTableRecord),
      dxf::field<&OdDbLayerTableRecord::m_colorIndex>(62, dxf::defInt(7)),
      dxf::optional<&OdDbLayerTableRecord::m_trueColor>(420),
      dxf::symbol<&OdDbLayerTableRecord::m_linetype>(6, dxf::SymbolTable::Linetype),
      dxf::field<&OdDbLayerTableRecord::m_plot>(290, dxf::defInt(1)),
      dxf::field<&OdDbLayerTableRecord::m_lineweight>(370, dxf::defInt(-3)),
      dxf::optional<&OdDbLayerTableRecord::m_plotStyle>(390),
      dxf::optional<&OdDbLayerTableRecord::m_material>(347),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbSymbolTableRecord::layout(), fields);
  return layout;
}

OdDbLayerTableRecord::OdDbLayerTableRecord() { layout().applyOwnDefaults(this); }

void OdDbLayerTableRecord::setIsOff(bool off) {
  int16_t index = colorIndex();
  m_colorIndex = off ? static_cast<int16_t>(-index) : index;
}

const dxf::ClassLayout& OdDbLinetypeTableRecord::layout() {
  static const dxf::Custom pattern{&OdDbLinetypeTableRecord::readPattern, &OdDbLinetypeTableRecord::writePattern};
  static const dxf::Field fields[] = {
      OD_NAME_AND_FLAGS(OdDbLinetypeTableRecord),
      dxf::field<&OdDbLinetypeTableRecord::m_description>(3),
      dxf::field<&OdDbLinetypeTableRecord::m_alignment>(72, dxf::defInt(65)),
      dxf::custom(pattern),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbSymbolTableRecord::layout(), fields);
  return layout;
}

OdDbLinetypeTableRecord::OdDbLinetypeTableRecord() { layout().applyOwnDefaults(this); }

void OdDbLinetypeTableRecord::setDashes(std::vector<Dash> dashes, double patternLength) {
  m_dashes = std::move(dashes);
  m_patternLength = patternLength;
}

bool OdDbLinetypeTableRecord::readPattern(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  constexpr int64_t kDashesReserved = 16;  // DXF linetypes have at most 12
  auto* ltype = static_cast<OdDbLinetypeTableRecord*>(obj);
  switch (g.code) {
    // The count is the file's word, not to be trusted with memory: the dashes (49) make the list.
    case 73: ltype->m_dashes.reserve(static_cast<size_t>(std::clamp<int64_t>(dxf::toInt(g), 0, kDashesReserved))); return true;
    case 40: ltype->m_patternLength = dxf::toDouble(g); return true;
    case 49: ltype->m_dashes.push_back(Dash{dxf::toDouble(g), 0, {}}); return true;
    case 74:
      if (ltype->m_dashes.empty()) return false;
      ltype->m_dashes.back().shapeFlags = static_cast<int16_t>(dxf::toInt(g));
      return true;
    case 75: case 340: case 46: case 50: case 44: case 45: case 9:
      if (ltype->m_dashes.empty()) return false;
      ltype->m_dashes.back().shape.push_back(dxf::keepGroup(0, g, ctx));
      return true;
    default: return false;
  }
}

void OdDbLinetypeTableRecord::writePattern(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* ltype = static_cast<const OdDbLinetypeTableRecord*>(obj);
  filer->wrInt16(73, static_cast<int16_t>(ltype->m_dashes.size()));
  filer->wrDouble(40, ltype->m_patternLength);
  for (const Dash& d : ltype->m_dashes) {
    filer->wrDouble(49, d.length);
    filer->wrInt16(74, d.shapeFlags);
    for (const auto& g : d.shape) dxf::writeGroupByCode(filer, g.code, g.text, g.id);
  }
}

const dxf::ClassLayout& OdDbTextStyleTableRecord::layout() {
  static const dxf::Field fields[] = {
      OD_NAME_AND_FLAGS(OdDbTextStyleTableRecord),
      dxf::field<&OdDbTextStyleTableRecord::m_textSize>(40),
      dxf::field<&OdDbTextStyleTableRecord::m_widthFactor>(41, dxf::def(1)),
      dxf::angle<&OdDbTextStyleTableRecord::m_oblique>(50),
      dxf::field<&OdDbTextStyleTableRecord::m_generation>(71),
      dxf::field<&OdDbTextStyleTableRecord::m_lastHeight>(42, dxf::def(2.5)),
      dxf::field<&OdDbTextStyleTableRecord::m_font>(3),
      dxf::field<&OdDbTextStyleTableRecord::m_bigFont>(4),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbSymbolTableRecord::layout(), fields);
  return layout;
}

OdDbTextStyleTableRecord::OdDbTextStyleTableRecord() { layout().applyOwnDefaults(this); }

#define OD_NAME_ONLY_RECORD(Class, Marker)                                              \
  const dxf::ClassLayout& Class::layout() {                                             \
    static const dxf::Field fields[] = {dxf::marker(Marker), OD_NAME_AND_FLAGS(Class)}; \
    static const dxf::ClassLayout layout(&OdDbSymbolTableRecord::layout(), fields);    \
    return layout;                                                                      \
  }

OD_NAME_ONLY_RECORD(OdDbDimStyleTableRecord, "AcDbDimStyleTableRecord")
OD_NAME_ONLY_RECORD(OdDbRegAppTableRecord, "AcDbRegAppTableRecord")
OD_NAME_ONLY_RECORD(OdDbViewTableRecord, "AcDbViewTableRecord")
OD_NAME_ONLY_RECORD(OdDbUCSTableRecord, "AcDbUCSTableRecord")
OD_NAME_ONLY_RECORD(OdDbViewportTableRecord, "AcDbViewportTableRecord")
