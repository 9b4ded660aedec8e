#pragma once

#include "GeMatrix3d.h"
#include "GiGeometrySink.h"
#include "GiPathNode.h"
#include "GiSubEntityTraits.h"
#include "GiWorldDraw.h"

#include <memory>
#include <span>
#include <vector>

class OdDbBlockTableRecord;

// Draws database entities into a geometry sink: every entity through
// worldDraw (so through the overrules that apply), nested block contents
// transformed and with their references on the drawable path, colours and
// the like resolved by layer and by block, curves tessellated.
class OdGiWorldDrawImpl : public OdStaticRxObject<OdGiWorldDraw>,
                          private OdGiWorldGeometry,
                          private OdGiSubEntityTraits {
 public:
  explicit OdGiWorldDrawImpl(OdGiGeometrySink& sink, OdGiRegenType regenType = kOdGiStandardDisplay);

  // Draws the entities of a block (model space, a layout) in their order.
  void drawBlock(const OdDbBlockTableRecord* block);
  // Draws the entities of the ids at the top level, in their order.
  void drawEntities(std::span<const OdDbObjectId> ids);
  // Draws one entity at the top level.
  void drawEntity(const OdDbEntity* entity);
  // Segments of a full circle; curves are drawn with as many as their sweep needs.
  void setCircleSegments(int segments) { m_circleSegments = segments; }
  // The highlight type primitives are drawn under (0 for none): a drawable
  // sets it around what it draws, and the resolved traits carry it to the
  // sink, where a host paints by the style it keeps for that type.
  void setHighlightType(int type) { m_highlightType = type; }
  int highlightType() const { return m_highlightType; }
  // What the view shows: a rectangle of the world XY plane and the length of
  // one of its pixels, so that drawables can leave out detail nobody can see.
  void setView(const OdGeExtents2d& visibleWorldRect, double worldPixelSize);

  OdGiRegenType regenType() const override { return m_regenType; }
  OdGiSubEntityTraits& subEntityTraits() const override;
  OdGiWorldGeometry& geometry() const override;
  const OdGiPathNode* currentGiPath() const override { return m_path.empty() ? nullptr : m_path.back().node; }
  double pixelSize() const override;
  bool visibleRect(OdGeExtents2d& rect) const override;

 protected:
  // The traits the next primitive is drawn with; hosts add their own marks.
  virtual OdGiResolvedTraits resolvedTraits() const;

 private:
  // OdGiWorldGeometry
  void circle(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) override;
  void circularArc(const OdGePoint3d& center, double radius, const OdGeVector3d& normal,
                   const OdGeVector3d& startVector, double sweepAngle, OdGiArcType arcType) override;
  void polyline(int32_t count, const OdGePoint3d* points, const OdGeVector3d* normal, OdGsMarker marker) override;
  void polygon(int32_t count, const OdGePoint3d* points) override;
  void text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction, double height,
            double width, double oblique, const OdString& message) override;
  void pushModelTransform(const OdGeMatrix3d& transform) override;
  void popModelTransform() override;
  void draw(const OdGiDrawable* drawable) override;

  // OdGiSubEntityTraits
  void setTrueColor(const OdCmEntityColor& color) override { m_traits.color = color; }
  OdCmEntityColor trueColor() const override { return m_traits.color; }
  void setLayer(OdDbStub* layerId) override { m_traits.layer = layerId; }
  OdDbStub* layer() const override { return m_traits.layer; }
  void setLineType(OdDbStub* linetypeId) override { m_traits.linetype = linetypeId; }
  OdDbStub* lineType() const override { return m_traits.linetype; }
  void setLineWeight(OdDb::LineWeight lw) override { m_traits.lineWeight = lw; }
  OdDb::LineWeight lineWeight() const override { return m_traits.lineWeight; }
  void setTransparency(const OdCmTransparency& t) override { m_traits.transparency = t; }
  OdCmTransparency transparency() const override { return m_traits.transparency; }

  struct Traits {
    OdCmEntityColor color;
    OdDbStub* layer = nullptr;
    OdDbStub* linetype = nullptr;
    OdDb::LineWeight lineWeight = OdDb::kLnWtByLayer;
    OdCmTransparency transparency;
  };
  // One entity being drawn: its path node and what its nested entities inherit.
  struct Level {
    OdGiPathNodeLink* node;
    Traits traits;  // the entity's traits, as nested by-block and layer "0" entities take them
  };

  bool isShown(const OdDbEntity* entity) const;
  void drawNested(const OdDbEntity* entity);
  Traits traitsOf(const OdDbEntity* entity) const;
  OdGePoint3d toWorld(const OdGePoint3d& p) const;
  // The points in world coordinates, in a buffer reused from primitive to primitive.
  const std::vector<OdGePoint3d>& toWorld(const OdGePoint3d* points, int32_t count);
  const std::vector<OdGePoint3d>& arcPoints(const OdGePoint3d& center, double radius, const OdGeVector3d& normal,
                                            const OdGeVector3d& startVector, double sweep);
  // The cosine and sine of each of the segments steps of an arc of the sweep.
  const std::vector<std::pair<double, double>>& unitArc(double sweep, int segments);

  OdGiGeometrySink& m_sink;
  OdGiRegenType m_regenType;
  Traits m_traits;
  std::vector<OdGeMatrix3d> m_transforms;  // model to world, innermost last
  std::vector<bool> m_identities;          // whether each of them is the identity, so points pass untouched
  std::vector<OdGePoint3d> m_worldPoints;
  // Cosines and sines of an arc's steps, kept for the next arc of the same sweep.
  struct UnitArc {
    double sweep = 0;
    std::vector<std::pair<double, double>> steps;
  };
  UnitArc m_unitCircle;
  UnitArc m_lastUnitArc;
  OdGeExtents2d m_visibleWorldRect;
  double m_worldPixelSize = 0;
  std::vector<Level> m_path;
  std::vector<std::unique_ptr<OdGiPathNodeLink>> m_nodes;  // nodes of m_path, kept for reuse
  int m_circleSegments = 72;
  int m_highlightType = 0;
};
