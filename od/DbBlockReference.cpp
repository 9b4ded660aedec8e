#include "DbBlockReference.h"

#include "DbAttribute.h"
#include "DbDatabase.h"
#include "DbGenericObject.h"
#include "DxfGroupList.h"

ODRX_DEFINE_NAMED(OdDbBlockReference, "AcDbBlockReference", OdDbEntity, "INSERT", odrxNewReferenced<OdDbBlockReference>)

std::array<dxf::Field, 7> OdDbBlockReference::referenceFields() {
  return {
      dxf::optional<&OdDbBlockReference::m_attributesFollow>(66),
      dxf::symbol<&OdDbBlockReference::m_block>(2, dxf::SymbolTable::Block),
      dxf::field<&OdDbBlockReference::m_position>(10),
      dxf::optional<&OdDbBlockReference::m_xScale>(41, dxf::def(1)),
      dxf::optional<&OdDbBlockReference::m_yScale>(42, dxf::def(1)),
      dxf::optional<&OdDbBlockReference::m_zScale>(43, dxf::def(1)),
      dxf::angle<&OdDbBlockReference::m_rotation>(50, 0, dxf::kOmitDefault),
  };
}

std::array<dxf::Field, 1> OdDbBlockReference::normalFields() {
  return {dxf::optional<&OdDbBlockReference::m_normal>(210, dxf::kNormal)};
}

const dxf::ClassLayout& OdDbBlockReference::layout() {
  static const auto fields =
      dxf::joinFields(std::array{dxf::marker("AcDbBlockReference")}, referenceFields(), normalFields());
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbBlockReference::OdDbBlockReference() { layout().applyOwnDefaults(this); }

void OdDbBlockReference::setScaleFactors(const OdGeScale3d& s) {
  m_xScale = s.sx;
  m_yScale = s.sy;
  m_zScale = s.sz;
}

double OdDbBlockReference::rotation() const { return dxf::toRadians(m_rotation); }
void OdDbBlockReference::setRotation(double radians) { m_rotation = dxf::toDegrees(radians); }

std::vector<OdDbObjectId> OdDbBlockReference::subentityIds() const {
  std::vector<OdDbObjectId> ids = m_attributes;
  if (!m_seqEnd.isNull()) ids.push_back(m_seqEnd);
  return ids;
}

bool OdDbBlockReference::appendSubentity(OdDbObjectId id) {
  // Attributes follow only a reference that says so (group 66), up to their SEQEND.
  if (m_attributesFollow == 0 || !m_seqEnd.isNull()) return false;
  OdDbObjectPtr obj = id.openObject();
  if (!obj) return false;
  if (obj->isKindOf(OdDbAttribute::desc())) {
    m_attributes.push_back(id);
    return true;
  }
  if (obj->dxfRecordName() == OdString("SEQEND")) {
    m_seqEnd = id;
    return true;
  }
  return false;
}

OdDbObjectId OdDbBlockReference::appendAttribute(OdDbAttribute* attribute) {
  OdDbDatabase* db = database();
  if (!db || !isDBRO()) throw OdError(eNotApplicable, "The block reference is not in a database");
  attribute->setDatabaseDefaults(db);
  OdDbObjectId id = db->addOdDbObject(attribute, objectId());
  m_attributes.push_back(id);
  m_attributesFollow = 1;
  if (m_seqEnd.isNull()) {
    // The entity that closes the attribute list: of its own class when one is
    // registered, else a generic SEQEND record.
    OdDbEntityPtr seqend;
    OdRxClass* cls = odrxClassByDxfName(OdString("SEQEND"));
    if (cls && cls->isDerivedFrom(OdDbEntity::desc()) && !cls->isDerivedFrom(OdDbGenericEntity::desc()))
      seqend = OdDbEntityPtr::fromObject(cls->create().get());
    if (!seqend) {
      auto generic = OdDbGenericEntity::createObject();
      generic->setDxfRecordName(OdString("SEQEND"));
      seqend = OdDbEntityPtr(generic.get());
    }
    seqend->setDatabaseDefaults(db);
    m_seqEnd = db->addOdDbObject(seqend.get(), objectId());
  }
  return id;
}
