#pragma once

#include "DbObjectId.h"
#include "GePlane.h"
#include "GePoint2d.h"
#include "GePoint3d.h"
#include "OdString.h"

class HostDocument;
class HostPointTracker;

// How the user answered a point prompt in a window.
struct HostPointPick {
  enum Kind { kNoWindow, kClicked, kTyped, kCancelled };
  Kind kind = kNoWindow;
  OdGePoint3d point;  // kClicked: the world point under the cursor
  OdString text;      // kTyped: read by the editor as a queued answer would be
};

// What shows the documents: the place a Qt main window plugs in. The
// headless host uses HostHeadlessWindow.
class HostWindow {
 public:
  virtual ~HostWindow() = default;

  // The native window handle, or null.
  virtual void* handle() const = 0;
  virtual bool isHeadless() const = 0;
  // Shows all of the drawing (its device's view to the extents).
  virtual void zoomAll(HostDocument* doc) = 0;
  // Redraws the documents' graphics; mode 1 regenerates them from the databases.
  virtual void regen(int mode) = 0;
  // Draws the document's view again once a command has ended: a window
  // repaints it, a headless host draws it offscreen for the device's listeners.
  virtual void updateView(HostDocument* doc) = 0;
  // Clips what the views show of a block reference to the boundary in the
  // plane (the export setSpatialFilter). Not pure: no window clips yet.
  virtual void setSpatialFilter(OdDbObjectId /*blockReference*/, const OdGePoint2d* /*boundary*/, int /*pointCount*/,
                                const OdGePlane& /*plane*/, bool /*enable*/) {}
  // 1 when the window has a dark appearance, 0 otherwise.
  virtual int appearanceFlag() const = 0;
  // Shows the prompt and waits for a click in a drawing view, a typed line or
  // Escape, telling the tracker where the cursor is meanwhile. Not pure:
  // without a window there is nobody to ask (kNoWindow).
  virtual HostPointPick pickPoint(const OdString& /*prompt*/, HostPointTracker* /*tracker*/) { return {}; }
  // Whether a question may wait for the user: not headless, not in an unattended run.
  virtual bool waitsForUser() const { return false; }
};
