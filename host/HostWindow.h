#pragma once

class HostDocument;

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
  // 1 when the window has a dark appearance, 0 otherwise.
  virtual int appearanceFlag() const = 0;
};
