#include "GiWorldDrawImpl.h"

#include "DbBlockTableRecord.h"
#include "DbSymbolTable.h"

#include <cmath>

namespace {

OdDbLayerTableRecord* layerOf(OdDbStub* stub) {
  return stub && stub->object ? dynamic_cast<OdDbLayerTableRecord*>(stub->object) : nullptr;
}

uint32_t rgbOf(const OdCmEntityColor& c) {
  if (c.isByColor() || c.isByACI()) return (uint32_t(c.red()) << 16) | (uint32_t(c.green()) << 8) | c.blue();
  return 0xFFFFFF;  // foreground
}

uint32_t layerRgb(const OdDbLayerTableRecord* layer) {
  if (!layer) return 0xFFFFFF;
  if (layer->trueColor()) return static_cast<uint32_t>(layer->trueColor()) & 0xFFFFFF;
  return OdCmEntityColor::indexToRGB(layer->colorIndex());
}

}  // namespace

OdGiWorldDrawImpl::OdGiWorldDrawImpl(OdGiGeometrySink& sink, OdGiRegenType regenType)
    : m_sink(sink), m_regenType(regenType), m_transforms{OdGeMatrix3d()}, m_identities{true} {}

OdGiSubEntityTraits& OdGiWorldDrawImpl::subEntityTraits() const {
  return const_cast<OdGiWorldDrawImpl&>(*this);
}

OdGiWorldGeometry& OdGiWorldDrawImpl::geometry() const { return const_cast<OdGiWorldDrawImpl&>(*this); }

void OdGiWorldDrawImpl::drawBlock(const OdDbBlockTableRecord* block) { drawEntities(block->entityIds()); }

void OdGiWorldDrawImpl::drawEntities(std::span<const OdDbObjectId> ids) {
  for (size_t i = 0; i < ids.size(); ++i) {
    odPrefetchAhead(ids, i);
    OdDbObjectPtr obj = ids[i].openObject();
    if (auto* entity = dynamic_cast<const OdDbEntity*>(obj.get())) drawEntity(entity);
  }
}

void OdGiWorldDrawImpl::drawEntity(const OdDbEntity* entity) { drawNested(entity); }

bool OdGiWorldDrawImpl::isShown(const OdDbEntity* entity) const {
  if (entity->visibility() == OdDb::kInvisible) return false;
  const OdDbLayerTableRecord* layer = layerOf(entity->layerId().stub());
  if (!layer) return true;
  // Frozen layers are left out everywhere; layers that are off still count for extents.
  return !layer->isFrozen() && (m_regenType == kOdGiForExtents || !layer->isOff());
}

OdGiWorldDrawImpl::Traits OdGiWorldDrawImpl::traitsOf(const OdDbEntity* entity) const {
  Traits t;
  t.color = entity->entityColor();
  t.layer = entity->layerId().stub();
  t.linetype = entity->linetypeId().stub();
  t.lineWeight = entity->lineWeight();
  t.transparency = entity->transparency();
  // What lies on layer "0" inside a block takes the layer of the reference.
  const OdDbLayerTableRecord* layer = layerOf(t.layer);
  static const OdString kLayerZero("0");
  if (!m_path.empty() && layer && layer->getName() == kLayerZero) t.layer = m_path.back().traits.layer;
  return t;
}

void OdGiWorldDrawImpl::drawNested(const OdDbEntity* entity) {
  if (!entity || !isShown(entity)) return;
  size_t depth = m_path.size();
  if (m_nodes.size() <= depth) m_nodes.push_back(std::make_unique<OdGiPathNodeLink>());
  OdGiPathNodeLink* node = m_nodes[depth].get();
  *node = OdGiPathNodeLink(entity->objectId().stub(), entity, 0, depth ? m_path.back().node : nullptr);
  Traits outer = m_traits;
  m_path.push_back(Level{node, traitsOf(entity)});
  m_traits = m_path.back().traits;
  entity->worldDraw(this);
  m_path.pop_back();
  m_traits = outer;
}

OdGiResolvedTraits OdGiWorldDrawImpl::resolvedTraits() const {
  // Levels below the top one are the references around the entity: by-block comes from there.
  const Traits* block = m_path.size() >= 2 ? &m_path[m_path.size() - 2].traits : nullptr;
  OdGiResolvedTraits r;
  r.layer = m_traits.layer;
  r.linetype = m_traits.linetype;
  const OdDbLayerTableRecord* layer = layerOf(m_traits.layer);
  if (m_traits.color.isByLayer()) r.rgb = layerRgb(layer);
  else if (m_traits.color.isByBlock()) r.rgb = block ? (block->color.isByLayer() ? layerRgb(layerOf(block->layer)) : rgbOf(block->color)) : 0xFFFFFF;
  else r.rgb = rgbOf(m_traits.color);
  r.lineWeight = m_traits.lineWeight;
  if (r.lineWeight == OdDb::kLnWtByLayer) r.lineWeight = layer ? static_cast<OdDb::LineWeight>(layer->lineWeight()) : OdDb::kLnWtByLwDefault;
  else if (r.lineWeight == OdDb::kLnWtByBlock) r.lineWeight = block ? block->lineWeight : OdDb::kLnWtByLwDefault;
  OdCmTransparency t = m_traits.transparency;
  if (t.method() == OdCmTransparency::kByBlock && block) t = block->transparency;
  r.alpha = t.isByAlpha() ? t.alpha() : 255;
  r.highlightType = m_highlightType;
  return r;
}

OdGePoint3d OdGiWorldDrawImpl::toWorld(const OdGePoint3d& p) const {
  return m_identities.back() ? p : m_transforms.back() * p;
}

const std::vector<OdGePoint3d>& OdGiWorldDrawImpl::toWorld(const OdGePoint3d* points, int32_t count) {
  m_worldPoints.assign(points, points + std::max(count, 0));
  if (!m_identities.back())
    for (OdGePoint3d& p : m_worldPoints) p = m_transforms.back() * p;
  return m_worldPoints;
}

void OdGiWorldDrawImpl::setView(const OdGeExtents2d& visibleWorldRect, double worldPixelSize) {
  m_visibleWorldRect = visibleWorldRect;
  m_worldPixelSize = worldPixelSize;
}

double OdGiWorldDrawImpl::pixelSize() const {
  if (m_worldPixelSize <= 0) return 0;
  // A model unit is as long in the world as the model's axes are, on average, in the XY plane.
  const OdGeMatrix3d& m = m_transforms.back();
  double area = std::fabs(m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0));
  return area > 0 ? m_worldPixelSize / std::sqrt(area) : 0;
}

bool OdGiWorldDrawImpl::visibleRect(OdGeExtents2d& rect) const {
  if (!m_visibleWorldRect.isValidExtents()) return false;
  const OdGeMatrix3d& m = m_transforms.back();
  // Only a transform that keeps the XY plane flat maps the view's rectangle to one of the model's.
  bool planar = m(2, 0) == 0 && m(2, 1) == 0 && m(0, 2) == 0 && m(1, 2) == 0;
  OdGeMatrix3d toModel;
  if (!planar || !m.inverse(toModel)) return false;
  const OdGePoint2d& lo = m_visibleWorldRect.minPoint();
  const OdGePoint2d& hi = m_visibleWorldRect.maxPoint();
  rect = OdGeExtents2d();
  for (const OdGePoint2d& corner : {lo, OdGePoint2d(hi.x, lo.y), hi, OdGePoint2d(lo.x, hi.y)}) {
    OdGePoint3d p = toModel * OdGePoint3d(corner.x, corner.y, 0);
    rect.addPoint(OdGePoint2d(p.x, p.y));
  }
  return true;
}

void OdGiWorldDrawImpl::pushModelTransform(const OdGeMatrix3d& transform) {
  m_transforms.push_back(m_transforms.back() * transform);
  m_identities.push_back(m_transforms.back() == OdGeMatrix3d());
}

void OdGiWorldDrawImpl::popModelTransform() {
  if (m_transforms.size() == 1) return;
  m_transforms.pop_back();
  m_identities.pop_back();
}

void OdGiWorldDrawImpl::draw(const OdGiDrawable* drawable) {
  if (!drawable) return;
  if (auto* entity = dynamic_cast<const OdDbEntity*>(drawable)) drawNested(entity);
  else drawable->worldDraw(this);
}

const std::vector<OdGePoint3d>& OdGiWorldDrawImpl::arcPoints(const OdGePoint3d& center, double radius,
                                                             const OdGeVector3d& normal,
                                                             const OdGeVector3d& startVector, double sweep) {
  OdGeVector3d n = normal.length() > 0 ? normal.normal() : OdGeVector3d::kZAxis;
  OdGeVector3d u = startVector - n * startVector.dotProduct(n);
  u = u.length() > 0 ? u.normal() : OdGeMatrix3d::planeToWorld(n) * OdGeVector3d::kXAxis;
  OdGeVector3d v = n.crossProduct(u);
  int segments = std::max(4, static_cast<int>(std::ceil(std::fabs(sweep) / (2 * M_PI) * m_circleSegments)));
  const std::vector<std::pair<double, double>>& unit = unitArc(sweep, segments);
  std::vector<OdGePoint3d>& points = m_worldPoints;
  points.clear();
  for (const auto& [cosine, sine] : unit) points.push_back(toWorld(center + u * (radius * cosine) + v * (radius * sine)));
  return points;
}

const std::vector<std::pair<double, double>>& OdGiWorldDrawImpl::unitArc(double sweep, int segments) {
  // Arcs come between circles: the full turn keeps a table of its own.
  UnitArc& table = sweep == 2 * M_PI ? m_unitCircle : m_lastUnitArc;
  if (sweep == table.sweep && segments == static_cast<int>(table.steps.size()) - 1) return table.steps;
  table.sweep = sweep;
  table.steps.clear();
  for (int i = 0; i <= segments; ++i) {
    double a = sweep * i / segments;
    table.steps.emplace_back(std::cos(a), std::sin(a));
  }
  return table.steps;
}

void OdGiWorldDrawImpl::circle(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) {
  const auto& points = arcPoints(center, radius, normal, OdGeVector3d::kXAxis, 2 * M_PI);
  m_sink.polyline(points.data(), static_cast<int>(points.size()), resolvedTraits());
}

void OdGiWorldDrawImpl::circularArc(const OdGePoint3d& center, double radius, const OdGeVector3d& normal,
                                    const OdGeVector3d& startVector, double sweepAngle, OdGiArcType arcType) {
  std::vector<OdGePoint3d>& points = m_worldPoints;
  arcPoints(center, radius, normal, startVector, sweepAngle);
  if (arcType == kOdGiArcSector) points.push_back(toWorld(center));
  if (arcType != kOdGiArcSimple) points.push_back(points.front());
  m_sink.polyline(points.data(), static_cast<int>(points.size()), resolvedTraits());
}

void OdGiWorldDrawImpl::polyline(int32_t count, const OdGePoint3d* points, const OdGeVector3d*, OdGsMarker) {
  const std::vector<OdGePoint3d>& world = toWorld(points, count);
  m_sink.polyline(world.data(), static_cast<int>(world.size()), resolvedTraits());
}

void OdGiWorldDrawImpl::polygon(int32_t count, const OdGePoint3d* points) {
  const std::vector<OdGePoint3d>& world = toWorld(points, count);
  m_sink.polygon(world.data(), static_cast<int>(world.size()), resolvedTraits());
}

void OdGiWorldDrawImpl::text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
                             double height, double width, double oblique, const OdString& message) {
  OdGeVector3d n = normal.length() > 0 ? normal.normal() : OdGeVector3d::kZAxis;
  OdGeVector3d along = direction.length() > 0 ? direction.normal() : OdGeVector3d::kXAxis;
  OdGeVector3d up = n.crossProduct(along) + along * std::tan(oblique);
  const OdGeMatrix3d& m = m_transforms.back();
  m_sink.text(toWorld(position), m * (along * height), m * (up * height), width, message, resolvedTraits());
}
