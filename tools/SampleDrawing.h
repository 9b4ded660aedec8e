#pragma once
// A drawing made by hand: layers, blocks and the entities a floor plan needs,
// in millimetres on the XY plane. Entities go into the block being defined,
// else into model space, on the current layer.

#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEntity.h"
#include "DbMText.h"

#include <functional>
#include <string>
#include <vector>

// A point or a direction in the plan.
struct Vec {
  double x = 0, y = 0;
};

inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double length(Vec v);
Vec unit(Vec v);
// The direction turned a quarter turn anticlockwise.
inline Vec leftOf(Vec v) { return {-v.y, v.x}; }
// The unit direction at an angle in degrees.
Vec direction(double degrees);

using Outline = std::vector<Vec>;

// An axis-aligned rectangle by its corners.
Outline rectangle(Vec low, Vec high);

class SampleDrawing {
 public:
  explicit SampleDrawing(const char* savedBy);

  OdDbDatabase* database() const { return m_db.get(); }

  void addLayer(const char* name, int16_t color);
  // Entities made from now on go on this layer (blocks use "0" whatever it is).
  void useLayer(const char* name) { m_layer = name; }

  // A named block whose entities the body makes.
  OdDbObjectId defineBlock(const char* name, const std::function<void()>& body);

  OdDbEntity* line(Vec from, Vec to);
  OdDbEntity* polyline(const Outline& points, bool closed, double width = 0);
  // Angles in degrees, anticlockwise from start to end.
  OdDbEntity* arc(Vec center, double radius, double startDegrees, double endDegrees);
  OdDbEntity* circle(Vec center, double radius);
  OdDbEntity* text(const char* contents, Vec middle, double height);
  OdDbEntity* mtext(const char* contents, Vec location, double height, double width,
                    OdDbMText::AttachmentPoint attachment = OdDbMText::kTopLeft);
  // A pattern hatch of the area inside the first outline and outside the others.
  OdDbEntity* hatch(const char* pattern, double scale, const std::vector<Outline>& loops);
  OdDbEntity* insert(OdDbObjectId block, Vec position, double rotationDegrees = 0, double xScale = 1,
                     double yScale = 1);

  // A linear dimension between two points, measured along the angle, with
  // its dimension line through dimLine.
  OdDbEntity* rotatedDimension(Vec p1, Vec p2, Vec dimLine, double rotationDegrees);
  // A dimension parallel to the two points, its line offset to their left
  // (seen from p1 to p2) by the given distance; negative for the right.
  OdDbEntity* alignedDimension(Vec p1, Vec p2, double offset);

 private:
  template <class T>
  T* append(OdSmartPtr<T> entity);
  OdDbBlockTableRecord* target();

  // What a linear dimension draws: its points and the direction it measures.
  struct DimensionLayout {
    Vec p1, p2;     // the points measured
    Vec q1, q2;     // where their extension lines meet the dimension line
    Vec along;      // unit direction of the dimension line
    double value;   // the measurement
  };
  static DimensionLayout layoutDimension(Vec p1, Vec p2, Vec dimLine, Vec along);
  OdDbObjectId dimensionBlock(const DimensionLayout& d, Vec textAt, Vec textUp);
  OdDbEntity* dimensionTick(Vec at, Vec along, Vec across);
  template <class T>
  T* finishDimension(OdSmartPtr<T> dim, const DimensionLayout& d);

  OdDbDatabasePtr m_db;
  OdDbBlockTableRecordPtr m_modelSpace;
  OdDbBlockTableRecordPtr m_block;  // the block being defined, if any
  std::string m_layer = "0";
  int m_anonymousBlocks = 0;
};
