#include "DxfObjectCopy.h"

#include "DbObject.h"
#include "DxfObjectReader.h"
#include "DxfTypedRecorder.h"

#include <algorithm>

namespace dxf {
namespace {

template <class T>
void copyMember(const OdDbObject* from, OdDbObject* to, const Field& f) {
  *static_cast<T*>(f.member(to)) = *static_cast<const T*>(f.member(const_cast<OdDbObject*>(from)));
}

const OdDbObjectId& idMember(const OdDbObject* obj, const Field& f) {
  return *static_cast<const OdDbObjectId*>(f.member(const_cast<OdDbObject*>(obj)));
}

// The context decides what a reference to an object the database no longer
// holds becomes: none, or the copy of an object that went once copied.
OdDbObjectId translated(OdDbObjectId id, ReadContext& ctx) { return id.isNull() ? id : ctx.idFromId(id); }

void copyPlainField(const OdDbObject* from, OdDbObject* to, const Field& f, CopyContext& ctx) {
  switch (f.kind) {
    case Kind::String:
    case Kind::Name: copyMember<OdString>(from, to, f); break;
    case Kind::Bool:
    case Kind::Flag: copyMember<bool>(from, to, f); break;
    case Kind::Int8: copyMember<int8_t>(from, to, f); break;
    case Kind::Int16: copyMember<int16_t>(from, to, f); break;
    case Kind::Int32: copyMember<int32_t>(from, to, f); break;
    case Kind::Int64: copyMember<int64_t>(from, to, f); break;
    case Kind::Double:
    case Kind::Angle: copyMember<double>(from, to, f); break;
    case Kind::Point2d: copyMember<OdGePoint2d>(from, to, f); break;
    case Kind::Point3d: copyMember<OdGePoint3d>(from, to, f); break;
    case Kind::Vector3d: copyMember<OdGeVector3d>(from, to, f); break;
    case Kind::Scale3d: copyMember<OdGeScale3d>(from, to, f); break;
    case Kind::Binary: copyMember<OdBinaryData>(from, to, f); break;
    case Kind::Id: *static_cast<OdDbObjectId*>(f.member(to)) = translated(idMember(from, f), ctx); break;
    case Kind::Symbol: {
      // Written by name unless omitted: a reference to nothing is the default, none.
      OdDbObjectId id = idMember(from, f);
      *static_cast<OdDbObjectId*>(f.member(to)) =
          !(f.flags & kOmitDefault) || id.isValid() ? ctx.symbol(f.table, id, f.value.s) : OdDbObjectId();
      break;
    }
    case Kind::Marker:
    case Kind::Custom: break;
  }
}

void copyCustom(const OdDbObject* from, OdDbObject* to, const Custom& custom, int section, CopyContext& ctx,
                OdDbDxfTypedRecorder& scratch) {
  if (custom.copy) {
    custom.copy(from, to, ctx);
    return;
  }
  if (!custom.write) return;
  scratch.clear();
  custom.write(from, &scratch);
  for (const Group& g : scratch.groups()) readSectionGroup(to, g, section, ctx);
}

// A kept group as writing it and reading it back keeps it: its value as the
// filer types it by its code, its reference translated.
KeptGroup rekept(const KeptGroup& g, uint8_t section, ReadContext& ctx, OdDbDxfTypedRecorder& scratch) {
  scratch.clear();
  writeGroupByCode(&scratch, g.code, g.text, g.id);
  return keepGroup(section, scratch.groups().front(), ctx);
}

void copyKept(const std::vector<KeptGroup>* kept, uint8_t section, OdDbObject* to, ReadContext& ctx,
              OdDbDxfTypedRecorder& scratch) {
  if (!kept) return;
  for (const KeptGroup& g : *kept)
    if (g.section == section) to->keptGroups().push_back(rekept(g, section, ctx, scratch));
}

// Whether the custom field wrote a reference into the recorder.
bool writeCustomReferences(const OdDbObject* obj, const Custom& custom, OdDbDxfTypedRecorder& recorder) {
  size_t before = recorder.groups().size();
  custom.write(obj, &recorder);
  return std::ranges::any_of(recorder.groups().subspan(before),
                             [](const Group& g) { return g.type == GroupType::Id; });
}

void writeKeptReferences(const std::vector<KeptGroup>* kept, uint8_t section, OdDbDxfFiler* filer) {
  if (!kept) return;
  for (const KeptGroup& g : *kept)
    if (g.section == section && isReferenceCode(g.code)) filer->wrObjectId(g.code, g.id);
}

}  // namespace

bool writeReferences(const OdDbObject* obj, OdDbDxfTypedRecorder& recorder) {
  OdDbDxfFiler* filer = &recorder;
  bool customReferences = false;
  const std::vector<KeptGroup>* kept = obj->keptGroupsIfAny();
  writeKeptReferences(kept, KeptGroup::kAppData, filer);
  for (OdDbObjectId id : obj->persistentReactors()) filer->wrObjectId(330, id);
  if (!obj->extensionDictionary().isNull()) filer->wrObjectId(360, obj->extensionDictionary());
  filer->wrObjectId(330, obj->ownerId());
  writeKeptReferences(kept, KeptGroup::kAfterHeader, filer);
  const auto& sections = obj->dxfLayout().sections();
  for (size_t s = 0; s < sections.size(); ++s) {
    for (const Field& f : sections[s].fields) {
      if (f.kind == Kind::Id) {
        const OdDbObjectId& id = idMember(obj, f);
        if (!(f.flags & kOmitDefault) || id.isValid()) filer->wrObjectId(f.code, id);  // as writeFields does
      } else if (f.kind == Kind::Custom && !f.custom->copy && f.custom->write) {
        customReferences |= writeCustomReferences(obj, *f.custom, recorder);
      }
    }
    writeKeptReferences(kept, static_cast<uint8_t>(s), filer);
  }
  if (const std::vector<KeptGroup>* xdata = obj->xdataGroupsIfAny())
    for (const KeptGroup& g : *xdata)
      if (isReferenceCode(g.code)) filer->wrObjectId(g.code, g.id);
  return customReferences;
}

void copyObject(const OdDbObject* from, OdDbObject* to, CopyContext& ctx, OdDbDxfTypedRecorder& scratch) {
  const std::vector<KeptGroup>* kept = from->keptGroupsIfAny();
  copyKept(kept, KeptGroup::kAppData, to, ctx, scratch);
  for (OdDbObjectId id : from->persistentReactors())
    if (OdDbObjectId reactor = id.isNull() ? id : ctx.reactor(id); !reactor.isNull())
      to->addPersistentReactor(reactor);
  if (OdDbObjectId xdict = from->extensionDictionary(); !xdict.isNull())
    to->setExtensionDictionary(translated(xdict, ctx));
  to->setOwnerId(translated(from->ownerId(), ctx));
  copyKept(kept, KeptGroup::kAfterHeader, to, ctx, scratch);
  const auto& sections = from->dxfLayout().sections();
  for (size_t s = 0; s < sections.size(); ++s) {
    for (const Field& f : sections[s].fields) {
      if (f.kind == Kind::Custom) copyCustom(from, to, *f.custom, static_cast<int>(s), ctx, scratch);
      else copyPlainField(from, to, f, ctx);
    }
    copyKept(kept, static_cast<uint8_t>(s), to, ctx, scratch);
  }
  if (const std::vector<KeptGroup>* xdata = from->xdataGroupsIfAny()) {
    std::vector<KeptGroup>& copy = to->xdataGroups();
    copy.reserve(copy.size() + xdata->size());
    for (const KeptGroup& g : *xdata) copy.push_back(rekept(g, 0, ctx, scratch));
  }
}

void translateInPlace(OdDbObject* obj, CopyContext& ctx, OdDbDxfTypedRecorder& scratch) {
  if (obj->keptGroupsIfAny())
    for (KeptGroup& g : obj->keptGroups()) g = rekept(g, g.section, ctx, scratch);
  if (OdDbObjectId xdict = obj->extensionDictionary(); !xdict.isNull())
    obj->setExtensionDictionary(translated(xdict, ctx));
  obj->setOwnerId(translated(obj->ownerId(), ctx));
  for (const auto& section : obj->dxfLayout().sections())
    for (const Field& f : section.fields) {
      if (f.kind == Kind::Id || f.kind == Kind::Symbol) copyPlainField(obj, obj, f, ctx);
      else if (f.kind == Kind::Custom && f.custom->copy) f.custom->copy(obj, obj, ctx);
    }
  if (obj->xdataGroupsIfAny())
    for (KeptGroup& g : obj->xdataGroups()) g = rekept(g, 0, ctx, scratch);
}

}  // namespace dxf
