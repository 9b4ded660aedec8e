#pragma once

// Draw contexts for tests: they keep what is drawn and the traits set.

#include "DbEntity.h"
#include "GiWorldDraw.h"

#include <string>
#include <vector>

class RecordingTraits : public OdGiSubEntityTraits {
 public:
  void setTrueColor(const OdCmEntityColor& color) override { m_color = color; }
  OdCmEntityColor trueColor() const override { return m_color; }
  void setLayer(OdDbStub* id) override { m_layer = id; }
  OdDbStub* layer() const override { return m_layer; }
  void setLineType(OdDbStub* id) override { m_linetype = id; }
  OdDbStub* lineType() const override { return m_linetype; }
  void setLineWeight(OdDb::LineWeight lw) override { m_lineweight = lw; }
  OdDb::LineWeight lineWeight() const override { return m_lineweight; }
  void setTransparency(const OdCmTransparency& t) override { m_transparency = t; }
  OdCmTransparency transparency() const override { return m_transparency; }

 private:
  OdCmEntityColor m_color;
  OdDbStub* m_layer = nullptr;
  OdDbStub* m_linetype = nullptr;
  OdDb::LineWeight m_lineweight = OdDb::kLnWtByLayer;
  OdCmTransparency m_transparency;
};

// Keeps the name of every primitive drawn.
template <class Base>
class RecordingGeometry : public Base {
 public:
  std::vector<std::string> primitives;

  void circle(const OdGePoint3d&, double, const OdGeVector3d&) override { primitives.push_back("circle"); }
  void circularArc(const OdGePoint3d&, double, const OdGeVector3d&, const OdGeVector3d&, double,
                   OdGiArcType) override {
    primitives.push_back("arc");
  }
  void polyline(int32_t, const OdGePoint3d*, const OdGeVector3d*, OdGsMarker) override {
    primitives.push_back("polyline");
  }
  void polygon(int32_t, const OdGePoint3d*) override { primitives.push_back("polygon"); }
  void text(const OdGePoint3d&, const OdGeVector3d&, const OdGeVector3d&, double, double, double,
            const OdString& message) override {
    primitives.push_back("text " + message.utf8());
  }
};

template <class Base, class Geometry>
class RecordingDraw : public OdStaticRxObject<Base> {
 public:
  mutable RecordingTraits traits;
  mutable RecordingGeometry<Geometry> recorded;
  OdGiRegenType regen = kOdGiStandardDisplay;
  const OdGiPathNode* path = nullptr;

  OdGiRegenType regenType() const override { return regen; }
  OdGiSubEntityTraits& subEntityTraits() const override { return traits; }
  Geometry& geometry() const override { return recorded; }
  const OdGiPathNode* currentGiPath() const override { return path; }
};

using RecordingWorldDraw = RecordingDraw<OdGiWorldDraw, OdGiWorldGeometry>;
