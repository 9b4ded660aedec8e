#include "DbPolylineSequence.h"

#include "Db2dPolyline.h"
#include "Db2dVertex.h"
#include "Db3dPolyline.h"
#include "Db3dPolylineVertex.h"
#include "DbDatabase.h"
#include "DbFaceRecord.h"
#include "DbPolyFaceMesh.h"
#include "DbPolyFaceMeshVertex.h"
#include "DbPolygonMesh.h"
#include "DbPolygonMeshVertex.h"
#include "DbSequenceEnd.h"
#include "DxfClassChooser.h"

bool OdDbPolylineSequence::take(OdDbObjectId id) {
  OdDbObjectPtr obj = id.openObject();
  if (!obj || !m_seqend.isNull()) return false;
  if (obj->isKindOf(OdDbSequenceEnd::desc())) {
    m_seqend = id;
    return true;
  }
  if (!obj->isKindOf(OdDbVertex::desc())) return false;
  m_vertices.push_back(id);
  return true;
}

std::vector<OdDbObjectId> OdDbPolylineSequence::subentityIds() const {
  std::vector<OdDbObjectId> ids;
  ids.reserve(m_vertices.size() + 1);
  for (OdDbObjectId id : m_vertices)
    if (!id.isErased()) ids.push_back(id);
  if (!m_seqend.isNull() && !m_seqend.isErased()) ids.push_back(m_seqend);
  return ids;
}

OdDbObjectId OdDbPolylineSequence::append(OdDbEntity* owner, OdDbVertex* vertex) {
  OdDbDatabase* db = owner->database();
  if (!db || !owner->isDBRO()) throw OdError(eNotApplicable, "The polyline is not in a database");
  if (!vertex) throw OdError(eInvalidInput, "No vertex to append");
  auto adopt = [&](OdDbEntity* part) {
    if (part->layerId().isNull()) {
      part->setDatabaseDefaults(db);
      part->setLayer(owner->layerId());
    }
    return part->isDBRO() ? part->objectId() : db->addOdDbObject(part, owner->objectId());
  };
  OdDbObjectId id = adopt(vertex);
  vertex->setOwnerId(owner->objectId());
  m_vertices.push_back(id);
  if (m_seqend.isNull()) {
    OdDbSequenceEndPtr end = OdDbSequenceEnd::createObject();
    m_seqend = adopt(end.get());
  }
  return id;
}

void OdDbPolylineSequence::erase(bool erasing) {
  for (OdDbObjectId id : m_vertices)
    if (OdDbObjectPtr v = id.openObject(OdDb::kForWrite, true)) v->erase(erasing);
  if (OdDbObjectPtr end = m_seqend.openObject(OdDb::kForWrite, true)) end->erase(erasing);
}

namespace {
bool readVerticesFollow(OdDbObject*, const dxf::Group& g, dxf::ReadContext&) { return g.code == 66; }
void writeVerticesFollow(const OdDbObject*, OdDbDxfFiler* filer) { filer->wrInt16(66, 1); }
}  // namespace

const dxf::Custom& OdDbPolylineSequence::verticesFollowField() {
  static const dxf::Custom handler{&readVerticesFollow, &writeVerticesFollow};
  return handler;
}

// POLYLINE and VERTEX records each stand for several classes. Files with
// subclass markers name the class; older ones tell it by flags (70). The
// vertices of early files often lack the flags of their kind, so a vertex
// without them takes the kind of the POLYLINE read last.
namespace {
enum class PolylineKind { None, Flat, Space, FaceMesh, Mesh };
thread_local PolylineKind t_lastPolyline = PolylineKind::None;

bool hasMarker(std::span<const dxf::Group> groups, std::string_view marker) {
  for (const dxf::Group& g : groups)
    if (g.code == 100 && g.value == marker) return true;
  return false;
}

int flagsOf(std::span<const dxf::Group> groups) {
  for (const dxf::Group& g : groups)
    if (g.code == 70) return static_cast<int>(dxf::toInt(g));
  return 0;
}

PolylineKind polylineKind(std::span<const dxf::Group> groups) {
  if (hasMarker(groups, "AcDbPolyFaceMesh")) return PolylineKind::FaceMesh;
  if (hasMarker(groups, "AcDbPolygonMesh")) return PolylineKind::Mesh;
  if (hasMarker(groups, "AcDb3dPolyline")) return PolylineKind::Space;
  if (hasMarker(groups, "AcDb2dPolyline")) return PolylineKind::Flat;
  int flags = flagsOf(groups);
  if (flags & 64) return PolylineKind::FaceMesh;
  if (flags & 16) return PolylineKind::Mesh;
  if (flags & 8) return PolylineKind::Space;
  return PolylineKind::Flat;
}

OdRxClass* choosePolyline(std::span<const dxf::Group> groups) {
  t_lastPolyline = polylineKind(groups);
  switch (t_lastPolyline) {
    case PolylineKind::FaceMesh: return OdDbPolyFaceMesh::desc();
    case PolylineKind::Mesh: return OdDbPolygonMesh::desc();
    case PolylineKind::Space: return OdDb3dPolyline::desc();
    default: return OdDb2dPolyline::desc();
  }
}

OdRxClass* chooseVertex(std::span<const dxf::Group> groups) {
  if (hasMarker(groups, "AcDbFaceRecord")) return OdDbFaceRecord::desc();
  if (hasMarker(groups, "AcDbPolyFaceMeshVertex")) return OdDbPolyFaceMeshVertex::desc();
  if (hasMarker(groups, "AcDbPolygonMeshVertex")) return OdDbPolygonMeshVertex::desc();
  if (hasMarker(groups, "AcDb3dPolylineVertex")) return OdDb3dPolylineVertex::desc();
  if (hasMarker(groups, "AcDb2dVertex")) return OdDb2dVertex::desc();
  int flags = flagsOf(groups);
  if ((flags & 128) && !(flags & 64)) return OdDbFaceRecord::desc();
  if ((flags & 128) && (flags & 64)) return OdDbPolyFaceMeshVertex::desc();
  if (flags & 64) return OdDbPolygonMeshVertex::desc();
  if (flags & 32) return OdDb3dPolylineVertex::desc();
  switch (t_lastPolyline) {
    case PolylineKind::FaceMesh: return OdDbPolyFaceMeshVertex::desc();
    case PolylineKind::Mesh: return OdDbPolygonMeshVertex::desc();
    case PolylineKind::Space: return OdDb3dPolylineVertex::desc();
    default: return OdDb2dVertex::desc();
  }
}

[[maybe_unused]] const bool g_choosersRegistered = [] {
  dxf::registerClassChooser(OdString("POLYLINE"), &choosePolyline);
  dxf::registerClassChooser(OdString("VERTEX"), &chooseVertex);
  return true;
}();
}  // namespace
