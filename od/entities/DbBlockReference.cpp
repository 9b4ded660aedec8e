#include "DbBlockReference.h"

#include "DbAttribute.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbGenericObject.h"
#include "DxfGroupList.h"
#include "GiAnnotationDraw.h"
#include "GiWorldDraw.h"

ODRX_DEFINE_NAMED(OdDbBlockReference, "AcDbBlockReference", OdDbEntity, "INSERT", odrxNewReferenced<OdDbBlockReference>)

std::array<dxf::Field, 7> OdDbBlockReference::referenceFields() {
  return {
      dxf::custom(attributesFollowField()),
      dxf::symbol<&OdDbBlockReference::m_block>(2, dxf::SymbolTable::Block),
      dxf::field<&OdDbBlockReference::m_position>(10),
      dxf::optional<&OdDbBlockReference::m_xScale>(41, dxf::def(1)),
      dxf::optional<&OdDbBlockReference::m_yScale>(42, dxf::def(1)),
      dxf::optional<&OdDbBlockReference::m_zScale>(43, dxf::def(1)),
      dxf::angle<&OdDbBlockReference::m_rotation>(50, 0, dxf::kOmitDefault),
  };
}

const dxf::Custom& OdDbBlockReference::attributesFollowField() {
  static const dxf::Custom handler{&OdDbBlockReference::readAttributesFollow, &OdDbBlockReference::writeAttributesFollow,
                                   &OdDbBlockReference::copyAttributesFollow};
  return handler;
}

bool OdDbBlockReference::readAttributesFollow(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  if (g.code != 66) return false;
  static_cast<OdDbBlockReference*>(obj)->m_attributesFollow = static_cast<int16_t>(dxf::toInt(g));
  return true;
}

// Readers take the records after an INSERT that says attributes follow as its
// own up to a SEQEND: the flag is written only when a SEQEND closes them.
void OdDbBlockReference::writeAttributesFollow(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* ref = static_cast<const OdDbBlockReference*>(obj);
  if (filer->includesDefaultValues()) filer->wrInt16(66, ref->m_attributesFollow);
  else if (!ref->m_seqEnd.isNull()) filer->wrInt16(66, 1);
}

void OdDbBlockReference::copyAttributesFollow(const OdDbObject* from, OdDbObject* to, dxf::CopyContext&) {
  if (!static_cast<const OdDbBlockReference*>(from)->m_seqEnd.isNull())
    static_cast<OdDbBlockReference*>(to)->m_attributesFollow = 1;
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

OdDbBlockReference::OdDbBlockReference() {
  layout().applyOwnDefaults(this);
  m_attributesFollow = 0;
}

void OdDbBlockReference::setScaleFactors(const OdGeScale3d& s) {
  m_xScale = s.sx;
  m_yScale = s.sy;
  m_zScale = s.sz;
}

double OdDbBlockReference::rotation() const { return dxf::toRadians(m_rotation); }
void OdDbBlockReference::setRotation(double radians) { m_rotation = dxf::toDegrees(radians); }

void OdDbBlockReference::copyFrom(const OdRxObject* source) {
  if (!source || !source->isKindOf(OdDbBlockReference::desc())) throw OdError(eIllegalReplacement);
  // Derived classes have fields of their own that this would leave out.
  if (isA() != OdDbBlockReference::desc()) OdDbObject::copyFrom(source);
  const auto* other = static_cast<const OdDbBlockReference*>(source);
  copyEntityPropertiesFrom(*other);
  m_block = other->m_block;
  m_position = other->m_position;
  m_xScale = other->m_xScale;
  m_yScale = other->m_yScale;
  m_zScale = other->m_zScale;
  m_rotation = other->m_rotation;
  m_normal = other->m_normal;
}

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

OdGeMatrix3d OdDbBlockReference::blockTransform() const {
  OdDbObjectPtr object = m_block.openObject();
  auto* block = dynamic_cast<const OdDbBlockTableRecord*>(object.get());
  OdGeVector3d origin = block ? block->origin().asVector() : OdGeVector3d();
  return OdGeMatrix3d::planeToWorld(m_normal) * OdGeMatrix3d::translation(m_position.asVector()) *
         OdGeMatrix3d::rotation(rotation(), OdGeVector3d::kZAxis) * OdGeMatrix3d::scaling(scaleFactors()) *
         OdGeMatrix3d::translation(-origin);
}

bool OdDbBlockReference::subWorldDraw(OdGiWorldDraw* wd) const {
  odGiDrawBlock(wd, m_block, blockTransform());
  drawAttributes(wd);
  return true;
}

void OdDbBlockReference::drawAttributes(OdGiWorldDraw* wd) const {
  for (OdDbObjectId id : m_attributes) {
    OdDbObjectPtr attribute = id.openObject();  // held while it is drawn
    if (auto* drawable = dynamic_cast<const OdDbEntity*>(attribute.get())) wd->geometry().draw(drawable);
  }
}
