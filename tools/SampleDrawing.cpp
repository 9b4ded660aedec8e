#include "SampleDrawing.h"

#include "DbAlignedDimension.h"
#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbHatch.h"
#include "DbLine.h"
#include "DbPolyline.h"
#include "DbRotatedDimension.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "GiHatchGeometry.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kDegree = std::numbers::pi / 180;

// How dimensions look, in millimetres: architectural ticks and the text above the line.
constexpr double kDimTextHeight = 150;
constexpr double kDimTextGap = 60;        // between the dimension line and its text
constexpr double kDimExtensionGap = 150;  // between the point measured and its extension line
constexpr double kDimExtensionPast = 120; // extension lines run past the dimension line
constexpr double kDimTick = 60;           // half the run of a tick along and across the line

OdGePoint3d point3(Vec p) { return OdGePoint3d(p.x, p.y, 0); }
OdGePoint2d point2(Vec p) { return OdGePoint2d(p.x, p.y); }

std::vector<OdGePoint2d> points2(const Outline& outline) {
  std::vector<OdGePoint2d> points;
  for (Vec p : outline) points.push_back(point2(p));
  return points;
}

// Millimetres as a dimension shows them: whole numbers.
std::string formatMeasurement(double value) { return std::to_string(std::lround(value)); }
}  // namespace

double length(Vec v) { return std::hypot(v.x, v.y); }

Vec unit(Vec v) {
  double l = length(v);
  return l > 0 ? Vec{v.x / l, v.y / l} : Vec{};
}

Vec direction(double degrees) {
  // Exact along the axes, so that points placed along them stay whole numbers.
  auto exact = [](double v) { return std::abs(v) < 1e-12 ? 0.0 : v; };
  return {exact(std::cos(degrees * kDegree)), exact(std::sin(degrees * kDegree))};
}

Outline rectangle(Vec low, Vec high) { return {low, {high.x, low.y}, high, {low.x, high.y}}; }

SampleDrawing::SampleDrawing(const char* savedBy) : m_db(OdDbDatabase::create()) {
  m_db->setLastSavedBy(OdString(savedBy));
  m_db->setHeaderString("$INSUNITS", 70, OdString("4"));     // millimetres
  m_db->setHeaderString("$MEASUREMENT", 70, OdString("1"));  // metric
  m_modelSpace = OdDbBlockTableRecord::cast(m_db->getModelSpaceId().openObject(OdDb::kForWrite).get());
}

void SampleDrawing::addLayer(const char* name, int16_t color) {
  OdSmartPtr<OdDbLayerTableRecord> layer = OdDbLayerTableRecord::createObject();
  layer->setName(OdString(name));
  layer->setColorIndex(color);
  layer->setLinetypeObjectId(m_db->linetypeContinuousId());
  m_db->layerTable()->add(layer.get());
}

OdDbObjectId SampleDrawing::defineBlock(const char* name, const std::function<void()>& body) {
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(OdString(name));
  OdDbObjectId id = m_db->blockTable()->add(block.get());
  OdDbBlockTableRecordPtr outer = m_block;
  m_block = block;
  body();
  m_block = outer;
  return id;
}

OdDbBlockTableRecord* SampleDrawing::target() { return m_block ? m_block.get() : m_modelSpace.get(); }

template <class T>
T* SampleDrawing::append(OdSmartPtr<T> entity) {
  entity->setDatabaseDefaults(m_db.get());
  entity->setLayer(OdString(m_block ? "0" : m_layer.c_str()));
  target()->appendOdDbEntity(entity.get());
  return entity.get();
}

OdDbEntity* SampleDrawing::line(Vec from, Vec to) {
  auto l = OdDbLine::createObject();
  l->setStartPoint(point3(from));
  l->setEndPoint(point3(to));
  return append(l);
}

OdDbEntity* SampleDrawing::polyline(const Outline& points, bool closed, double width) {
  auto p = OdDbPolyline::createObject();
  for (unsigned i = 0; i < points.size(); ++i) p->addVertexAt(i, point2(points[i]));
  p->setClosed(closed);
  if (width > 0) p->setConstantWidth(width);
  return append(p);
}

OdDbEntity* SampleDrawing::arc(Vec center, double radius, double startDegrees, double endDegrees) {
  auto a = OdDbArc::createObject();
  a->setCenter(point3(center));
  a->setRadius(radius);
  a->setStartAngle(startDegrees * kDegree);
  a->setEndAngle(endDegrees * kDegree);
  return append(a);
}

OdDbEntity* SampleDrawing::circle(Vec center, double radius) {
  auto c = OdDbCircle::createObject();
  c->setCenter(point3(center));
  c->setRadius(radius);
  return append(c);
}

OdDbEntity* SampleDrawing::text(const char* contents, Vec middle, double height) {
  auto t = OdDbText::createObject();
  t->setTextString(OdString(contents));
  t->setHeight(height);
  t->setHorizontalMode(OdDb::kTextCenter);
  t->setVerticalMode(OdDb::kTextVertMid);
  t->setPosition(point3(middle));
  t->setAlignmentPoint(point3(middle));
  return append(t);
}

OdDbEntity* SampleDrawing::mtext(const char* contents, Vec location, double height, double width,
                                 OdDbMText::AttachmentPoint attachment) {
  auto m = OdDbMText::createObject();
  m->setContents(OdString(contents));
  m->setLocation(point3(location));
  m->setTextHeight(height);
  m->setWidth(width);
  m->setAttachment(attachment);
  return append(m);
}

OdDbEntity* SampleDrawing::hatch(const char* pattern, double scale, const std::vector<Outline>& loops) {
  auto h = OdDbHatch::createObject();
  h->setPattern(OdDbHatch::kPreDefined, OdString(pattern));
  h->setPatternScale(scale);
  // The definition too, for readers that lack the pattern; rounding drops the
  // traces of turning the lines (1e-15 for 0).
  std::vector<OdDbHatch::PatternLine> lines = odGiStandardPatternLines(*h);
  auto round = [](double v) { return std::round(v * 1e9) / 1e9 + 0.0; };
  for (OdDbHatch::PatternLine& l : lines) {
    l.base = OdGePoint2d(round(l.base.x), round(l.base.y));
    l.offset = OdGeVector2d(round(l.offset.x), round(l.offset.y));
  }
  h->setPatternLines(lines);
  for (size_t i = 0; i < loops.size(); ++i) {
    int32_t type = i == 0 ? OdDbHatch::kExternal | OdDbHatch::kOutermost : OdDbHatch::kDefault;
    h->appendLoop(type, points2(loops[i]), {});
  }
  return append(h);
}

OdDbEntity* SampleDrawing::insert(OdDbObjectId block, Vec position, double rotationDegrees, double xScale,
                                  double yScale) {
  auto r = OdDbBlockReference::createObject();
  r->setBlockTableRecord(block);
  r->setPosition(point3(position));
  r->setRotation(rotationDegrees * kDegree);
  r->setScaleFactors(OdGeScale3d(xScale, yScale, 1));
  return append(r);
}

// ---- dimensions

SampleDrawing::DimensionLayout SampleDrawing::layoutDimension(Vec p1, Vec p2, Vec dimLine, Vec along) {
  DimensionLayout d;
  d.p1 = p1;
  d.p2 = p2;
  d.along = along;
  d.q1 = dimLine + along * dot(p1 - dimLine, along);
  d.q2 = dimLine + along * dot(p2 - dimLine, along);
  d.value = length(d.q2 - d.q1);
  return d;
}

OdDbEntity* SampleDrawing::dimensionTick(Vec at, Vec along, Vec across) {
  Vec slant = (along + across) * kDimTick;
  return line(at - slant, at + slant);
}

// The anonymous block a dimension shows: dimension line, extension lines,
// ticks and text, coloured by the dimension.
OdDbObjectId SampleDrawing::dimensionBlock(const DimensionLayout& d, Vec textAt, Vec textUp) {
  std::string name = "*D" + std::to_string(++m_anonymousBlocks);
  OdDbObjectId id = defineBlock(name.c_str(), [&] {
    Vec across = leftOf(d.along);
    std::vector<OdDbEntity*> made;
    made.push_back(line(d.q1, d.q2));
    for (auto [from, to] : {std::pair{d.p1, d.q1}, std::pair{d.p2, d.q2}}) {
      Vec out = unit(to - from);
      made.push_back(line(from + out * kDimExtensionGap, to + out * kDimExtensionPast));
    }
    for (Vec at : {d.q1, d.q2}) made.push_back(dimensionTick(at, d.along, across));
    // The text reads along the line and stands on the side away from what is measured.
    bool upright = dot(textUp, leftOf(d.along)) > 0;
    auto* text = static_cast<OdDbMText*>(mtext(formatMeasurement(d.value).c_str(), textAt, kDimTextHeight, 0,
                                               upright ? OdDbMText::kBottomCenter : OdDbMText::kTopCenter));
    text->setDirection(OdGeVector3d(d.along.x, d.along.y, 0));
    made.push_back(text);
    for (OdDbEntity* e : made) e->setColorIndex(0);  // by block
  });
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(id.openObject(OdDb::kForWrite).get());
  block->setBlockFlags(1);  // anonymous
  return id;
}

template <class T>
T* SampleDrawing::finishDimension(OdSmartPtr<T> dim, const DimensionLayout& d) {
  Vec across = unit(d.q1 - d.p1);
  if (length(across) == 0) across = leftOf(d.along);
  Vec textAt = (d.q1 + d.q2) * 0.5 + across * kDimTextGap;
  dim->setXLine1Point(point3(d.p1));
  dim->setXLine2Point(point3(d.p2));
  dim->setDimLinePoint(point3(d.q2));
  dim->setTextPosition(point3(textAt));
  dim->setMeasurement(d.value);
  dim->setDimensionStyle(m_db->table(OdDbDatabase::Table::DimStyle)->getAt(OdString("Standard")));
  dim->setDimBlockId(dimensionBlock(d, textAt, across));
  dim->setDimensionFlags(static_cast<int16_t>(dim->dimensionFlags() | 32));  // the block is this dimension's own
  return append(dim);
}

OdDbEntity* SampleDrawing::rotatedDimension(Vec p1, Vec p2, Vec dimLine, double rotationDegrees) {
  auto dim = OdDbRotatedDimension::createObject();
  dim->setRotation(rotationDegrees * kDegree);
  return finishDimension(dim, layoutDimension(p1, p2, dimLine, direction(rotationDegrees)));
}

OdDbEntity* SampleDrawing::alignedDimension(Vec p1, Vec p2, double offset) {
  Vec along = unit(p2 - p1);
  return finishDimension(OdDbAlignedDimension::createObject(),
                         layoutDimension(p1, p2, p1 + leftOf(along) * offset, along));
}
