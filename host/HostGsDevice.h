#pragma once

#include "HostGsView.h"
#include "HostViewSink.h"
#include "IHostDeviceUpdateListner.h"

#include <functional>
#include <memory>
#include <vector>

class HostCanvas;
class OdDbDatabase;
class OdGiGeometrySink;

// The graphics device of a document's view: draws the model space through
// the library's world drawing (so through the overrules) onto a canvas, a
// PNG or an SVG file, paints what is drawn under a registered highlight
// type in that type's style, and tells its update listeners about each
// drawing. Modules reach the styles and listeners through
// IHostVectorizerDeviceExPE.
class HostGsDevice {
 public:
  // The view starts at the drawing's extents, measured when the view is first used.
  explicit HostGsDevice(OdDbDatabase* database);
  // Listeners still registered hear that they are unregistered.
  ~HostGsDevice();
  HostGsDevice(const HostGsDevice&) = delete;
  HostGsDevice& operator=(const HostGsDevice&) = delete;

  OdDbDatabase* database() const { return m_database; }
  HostGsView& view();
  const HostGsView& view() const;
  // The view to all of the model space.
  void zoomExtents();

  // Draws the model space onto a canvas of width x height pixels, the
  // listeners hearing of it. A drawing asked for while one is under way
  // (by a listener) is left out. Throws what the drawing threw.
  void update(HostCanvas& canvas, int width, int height);
  // The update of a view without a window: nothing to paint on, so
  // nothing is drawn; the listeners hear the pass all the same.
  void update();
  // Writes the view as PNG or SVG, by the file's extension, as an output
  // (see hostWriteOutput) that must not replace any of the inputs.
  // Throws OdError naming the file when it cannot.
  void exportView(const OdString& path, int width, int height, const std::vector<OdString>& inputs = {});
  // The PNG file's bytes.
  std::string pngImage(int width, int height);
  // The SVG document.
  std::string svgDocument(int width, int height);
  // Drawn over the model space until set to null: what follows the cursor
  // while a point is asked for. Not owned.
  void setFollowingEntity(const OdDbEntity* entity) { m_following = entity; }

  // What a plug-in paints over every exported picture, in its pixels, after
  // the drawing (a legend); empty for nothing. One for all devices.
  using ExportOverlay = std::function<void(HostGsDevice& device, HostCanvas& canvas, int width, int height)>;
  static void setExportOverlay(ExportOverlay overlay);

  // What is drawn under highlightType (not 0) is painted in the style.
  void setHighlightStyle(int highlightType, const ZrGi::HighlightStyle& style);
  const ZrGi::HighlightStyle* highlightStyle(int highlightType) const;

  void addUpdateListener(IHostDeviceUpdateListner* listener);
  // The listener hears that it is unregistered.
  void removeUpdateListener(IHostDeviceUpdateListner* listener);
  bool hasUpdateListener(IHostDeviceUpdateListner* listener) const;

 private:
  struct Registration {
    IHostDeviceUpdateListner* listener;
    bool armed;  // registered before the drawing under way began
  };
  void drawModelSpace(OdGiGeometrySink& sink, int width, int height);
  void paintExport(HostCanvas& canvas, int width, int height);
  void drawFor(const std::vector<IHostDeviceUpdateListner*>& audience, const std::function<void()>& draw);
  void runUpdate(const std::function<void()>& draw);
  std::vector<IHostDeviceUpdateListner*> audience();
  template <class Call>
  void notify(const std::vector<IHostDeviceUpdateListner*>& audience, const Call& call);
  void endOneShot(const std::vector<IHostDeviceUpdateListner*>& audience);

  OdDbDatabase* m_database;
  mutable HostGsView m_view;
  // Measuring extents costs a drawing of everything: not done for a view that is zoomed before it is used.
  mutable bool m_startingZoomPending = true;
  HostHighlightStyles m_styles;
  std::vector<Registration> m_listeners;
  bool m_updating = false;
  const OdDbEntity* m_following = nullptr;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);  // false once destroyed
};
