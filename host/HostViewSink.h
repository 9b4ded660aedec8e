#pragma once

#include "GiGeometrySink.h"
#include "HostCanvas.h"
#include "HostGsView.h"
#include "ZrGiHighlight.h"

#include <map>

// Highlight styles by highlight type.
using HostHighlightStyles = std::map<int, ZrGi::HighlightStyle>;

// Takes the world drawing of a view onto a canvas: points into pixels,
// resolved traits into paint (what is drawn under a highlight type with a
// style takes the style's colour), and what lies outside the surface left out.
class HostViewSink : public OdGiGeometrySink {
 public:
  HostViewSink(const HostViewTransform& transform, int width, int height, const HostHighlightStyles& styles,
               HostCanvas& canvas);

  void polyline(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) override;
  void polygon(const OdGePoint3d* points, int count, const OdGiResolvedTraits& traits) override;
  void text(const OdGePoint3d& position, const OdGeVector3d& direction, const OdGeVector3d& up, double widthFactor,
            const OdString& message, const OdGiResolvedTraits& traits) override;

  // The style's colour; its alpha times the traits' alpha, so a transparent
  // entity stays as transparent under a highlight.
  HostPaint paintOf(const OdGiResolvedTraits& traits) const;

 private:
  std::vector<OdGePoint2d> toPixels(const OdGePoint3d* points, int count) const;
  bool isOutside(const std::vector<OdGePoint2d>& pixels, double margin) const;

  HostViewTransform m_transform;
  int m_width;
  int m_height;
  const HostHighlightStyles& m_styles;
  HostCanvas& m_canvas;
};
