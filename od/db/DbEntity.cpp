#include "DbEntity.h"

#include "DbDatabase.h"
#include "DbFullSubentPath.h"
#include "DbHighlightOverrule.h"
#include "DbSymbolTable.h"
#include "GiSubEntityTraits.h"
#include "GsModel.h"

ODRX_DEFINE_NAMED(OdDbEntity, "AcDbEntity", OdDbObject, "", nullptr)
ODRX_DEFINE_NAMED(OdDbCurve, "AcDbCurve", OdDbEntity, "", nullptr)

// The common properties in the order files give them; the colour's two
// groups depend on each other.
const dxf::ClassLayout& OdDbEntity::layout() {
  static const dxf::Custom color{&OdDbEntity::readColor, &OdDbEntity::writeColor, &OdDbEntity::copyColor};
  static const dxf::Field fields[] = {
      dxf::flag<&OdDbEntity::m_paperSpace>(67, dxf::kOmitDefault),
      dxf::symbol<&OdDbEntity::m_layer>(8, dxf::SymbolTable::Layer, dxf::kNone, "0"),
      dxf::symbol<&OdDbEntity::m_linetype>(6, dxf::SymbolTable::Linetype, dxf::kOmitDefault, "ByLayer"),
      dxf::custom(color),
      dxf::optional<&OdDbEntity::m_lineweight>(370, dxf::defInt(OdDb::kLnWtByLayer)),
      dxf::optional<&OdDbEntity::m_linetypeScale>(48, dxf::def(1)),
      dxf::flag<&OdDbEntity::m_invisible>(60, dxf::kOmitDefault),
      dxf::optional<&OdDbEntity::m_transparency>(440),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbObject::layout(), fields);
  return layout;
}

OdDbEntity::OdDbEntity() { layout().applyOwnDefaults(this); }

bool OdDbEntity::readColor(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto* e = static_cast<OdDbEntity*>(obj);
  switch (g.code) {
    case 62: e->readColorIndex(static_cast<int16_t>(dxf::toInt(g))); return true;
    case 420: e->readTrueColor(static_cast<uint32_t>(dxf::toInt(g))); return true;
    default: return false;  // colour names are kept as read
  }
}

void OdDbEntity::writeColor(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* e = static_cast<const OdDbEntity*>(obj);
  OdCmEntityColor color(e->m_color);
  if (filer->includesDefaultValues() || !color.isByLayer()) filer->wrInt16(62, e->writtenColorIndex());
  if (color.isByColor()) filer->wrInt32(420, static_cast<int32_t>(color.color() & 0xFFFFFF));
}

void OdDbEntity::copyColor(const OdDbObject* from, OdDbObject* to, dxf::CopyContext&) {
  auto* source = static_cast<const OdDbEntity*>(from);
  auto* e = static_cast<OdDbEntity*>(to);
  OdCmEntityColor color(source->m_color);
  if (!color.isByLayer()) e->readColorIndex(source->writtenColorIndex());
  if (color.isByColor()) e->readTrueColor(color.color() & 0xFFFFFF);
}

void OdDbEntity::readColorIndex(int16_t index) {
  m_indexOfTrueColor = index;
  OdCmEntityColor c(m_color);
  if (c.isByColor()) return;  // a true colour given too wins over its index
  c.setColorIndex(index);
  m_color = c.color();
}

void OdDbEntity::readTrueColor(uint32_t rgb) { m_color = (uint32_t(OdCmEntityColor::kByColor) << 24) | (rgb & 0xFFFFFF); }

int16_t OdDbEntity::writtenColorIndex() const {
  OdCmEntityColor color(m_color);
  return color.isByColor() && m_indexOfTrueColor ? m_indexOfTrueColor : color.colorIndex();
}

OdString OdDbEntity::layer() const {
  OdString name = dxf::symbolNameOf(m_layer.openObject(OdDb::kForRead, true).get());
  return name.isEmpty() ? OdString("0") : name;
}

bool OdDbEntity::setLayer(const OdString& name) {
  OdDbDatabase* db = database();
  if (!db) return false;
  OdDbObjectId id = db->layerTable()->getAt(name);
  if (id.isNull()) return false;
  m_layer = id;
  return true;
}

OdString OdDbEntity::linetype() const {
  return dxf::symbolNameOf(m_linetype.openObject(OdDb::kForRead, true).get());
}

OdCmColor OdDbEntity::color() const {
  OdCmColor c{OdCmEntityColor(m_color)};
  if (const auto* kept = keptGroupsIfAny())
    for (const auto& g : *kept)
      if (g.code == 430) {
        OdString full(g.text);
        int dollar = full.find(u'$');
        if (dollar < 0) c.setNames(full);
        else c.setNames(full.mid(dollar + 1), full.left(dollar));
      }
  return c;
}

void OdDbEntity::setColor(const OdCmColor& color) {
  m_color = color.color();
  m_indexOfTrueColor = 0;
  auto& kept = keptGroups();
  kept.erase(std::remove_if(kept.begin(), kept.end(), [](const dxf::KeptGroup& g) { return g.code == 430; }),
             kept.end());
  if (!color.colorName().isEmpty()) {
    OdString full = color.bookName().isEmpty() ? color.colorName() : color.bookName() + "$" + color.colorName();
    // Colour names belong to the AcDbEntity section, the first section after the header.
    kept.push_back(dxf::KeptGroup{0, 430, OdDbObjectId(), full.utf8()});
  }
}

void OdDbEntity::setColorIndex(int16_t index) {
  OdCmEntityColor c;
  c.setColorIndex(index);
  m_color = c.color();
  m_indexOfTrueColor = 0;
  // A colour book name goes with the colour it named.
  if (keptGroupsIfAny()) {
    auto& kept = keptGroups();
    kept.erase(std::remove_if(kept.begin(), kept.end(), [](const dxf::KeptGroup& g) { return g.code == 430; }),
               kept.end());
  }
}

void OdDbEntity::setDatabaseDefaults(OdDbDatabase* db) {
  if (!db) db = database();
  if (!db) return;
  setDatabase(db);
  m_layer = db->layerZeroId();
  m_linetype = db->linetypeByLayerId();
  m_color = uint32_t(OdCmEntityColor::kByLayer) << 24;
  m_indexOfTrueColor = 0;
  m_lineweight = OdDb::kLnWtByLayer;
  m_linetypeScale = 1;
  m_transparency = 0;
}

void OdDbEntity::copyEntityPropertiesFrom(const OdDbEntity& other) {
  m_layer = other.m_layer;
  m_linetype = other.m_linetype;
  m_color = other.m_color;
  m_transparency = other.m_transparency;
  m_linetypeScale = other.m_linetypeScale;
  m_lineweight = other.m_lineweight;
  m_indexOfTrueColor = other.m_indexOfTrueColor;
  m_invisible = other.m_invisible;
  m_paperSpace = other.m_paperSpace;
}

bool OdDbEntity::subWorldDraw(OdGiWorldDraw*) const { return true; }

uint32_t OdDbEntity::subSetAttributes(OdGiDrawableTraits* traits) const {
  auto* sub = dynamic_cast<OdGiSubEntityTraits*>(traits);
  if (!sub) return kDrawableIsAnEntity;
  sub->setTrueColor(entityColor());
  sub->setLayer(m_layer.stub());
  sub->setLineType(m_linetype.stub());
  sub->setLineWeight(lineWeight());
  sub->setTransparency(transparency());
  return kDrawableIsAnEntity;
}

void OdDbEntity::highlight(bool doIt, const OdDbFullSubentPath* subId, bool highlightAll) const {
  OdDbHighlightOverrule::route(OdRxOverruleRoute::kStart, this, doIt, subId, highlightAll);
}

void OdDbEntity::subHighlight(bool doIt, const OdDbFullSubentPath* subId, bool) const {
  OdDbDatabase* db = database();
  if (!db || objectId().isNull()) return;
  bool nested = subId && !subId->objectIds().empty();
  OdGiPathChain path(nested ? subId->objectIds() : std::vector<OdDbObjectId>{objectId()},
                     subId ? subId->subentId().index() : 0);
  db->graphicsModel()->highlight(*path.innermost(), doIt);
}
