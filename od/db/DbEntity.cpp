#include "DbEntity.h"

#include "DbDatabase.h"
#include "DbFullSubentPath.h"
#include "DbHighlightOverrule.h"
#include "DbSymbolTable.h"
#include "GiSubEntityTraits.h"
#include "GsModel.h"

ODRX_DEFINE_NAMED(OdDbEntity, "AcDbEntity", OdDbObject, "", nullptr)
ODRX_DEFINE_NAMED(OdDbCurve, "AcDbCurve", OdDbEntity, "", nullptr)

const dxf::ClassLayout& OdDbEntity::layout() {
  static const dxf::Custom common{&OdDbEntity::readCommon, &OdDbEntity::writeCommon, &OdDbEntity::copyCommon};
  static const dxf::Field fields[] = {dxf::marker("AcDbEntity"), dxf::custom(common)};
  static const dxf::ClassLayout layout(&OdDbObject::layout(), fields);
  return layout;
}

OdDbEntity::OdDbEntity() = default;

bool OdDbEntity::readCommon(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* e = static_cast<OdDbEntity*>(obj);
  switch (g.code) {
    case 67: e->m_paperSpace = dxf::toInt(g) != 0; return true;
    case 8: e->m_layer = ctx.symbolByRawName(dxf::SymbolTable::Layer, g.value); return true;
    case 6: e->m_linetype = ctx.symbolByRawName(dxf::SymbolTable::Linetype, g.value); return true;
    case 62: e->readColorIndex(static_cast<int16_t>(dxf::toInt(g))); return true;
    case 420: e->readTrueColor(static_cast<uint32_t>(dxf::toInt(g))); return true;
    case 370: e->m_lineweight = static_cast<int16_t>(dxf::toInt(g)); return true;
    case 48: e->m_linetypeScale = dxf::toDouble(g); return true;
    case 60: e->m_invisible = dxf::toInt(g) != 0; return true;
    case 440: e->m_transparency = static_cast<uint32_t>(dxf::toInt(g)); return true;
    default: return false;  // colour names, materials, plot styles, proxy graphics: kept as read
  }
}

void OdDbEntity::writeCommon(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* e = static_cast<const OdDbEntity*>(obj);
  bool all = filer->includesDefaultValues();
  if (all || e->m_paperSpace) filer->wrInt16(67, e->m_paperSpace ? 1 : 0);
  filer->wrName(8, e->layer());
  if (all || !e->m_linetype.isNull()) filer->wrName(6, e->linetype().isEmpty() ? OdString("ByLayer") : e->linetype());
  OdCmEntityColor color(e->m_color);
  if (all || !color.isByLayer()) filer->wrInt16(62, e->writtenColorIndex());
  if (color.isByColor()) filer->wrInt32(420, static_cast<int32_t>(color.color() & 0xFFFFFF));
  if (all || e->m_lineweight != OdDb::kLnWtByLayer) filer->wrInt16(370, e->m_lineweight);
  if (all || e->m_linetypeScale != 1.0) filer->wrDouble(48, e->m_linetypeScale);
  if (all || e->m_invisible) filer->wrInt16(60, e->m_invisible ? 1 : 0);
  if (all || e->m_transparency != 0) filer->wrInt32(440, static_cast<int32_t>(e->m_transparency));
}

// What writing the common properties and reading them back gives, with the
// layer and linetype taken over by id rather than by name.
void OdDbEntity::copyCommon(const OdDbObject* from, OdDbObject* to, dxf::CopyContext& ctx) {
  auto* source = static_cast<const OdDbEntity*>(from);
  auto* e = static_cast<OdDbEntity*>(to);
  e->m_paperSpace = source->m_paperSpace;
  e->m_layer = ctx.symbol(dxf::SymbolTable::Layer, source->m_layer, "0");
  if (!source->m_linetype.isNull()) e->m_linetype = ctx.symbol(dxf::SymbolTable::Linetype, source->m_linetype, "ByLayer");
  OdCmEntityColor color(source->m_color);
  if (!color.isByLayer()) e->readColorIndex(source->writtenColorIndex());
  if (color.isByColor()) e->readTrueColor(color.color() & 0xFFFFFF);
  e->m_lineweight = source->m_lineweight;
  e->m_linetypeScale = source->m_linetypeScale;
  e->m_invisible = source->m_invisible;
  e->m_transparency = source->m_transparency;
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
