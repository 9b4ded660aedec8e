#pragma once

class HostGsDevice;

// Hears a device draw its view (IHostVectorizerDeviceExPE::registerListener).
// Every call does nothing unless overridden; the device does not own its
// listeners. A listener hears one complete drawing: after the first one
// that follows its registration it gets deviceUpdateEnded and is then
// unregistered, so a listener that types a command cannot start a loop.
class IHostDeviceUpdateListner {
 public:
  virtual ~IHostDeviceUpdateListner() = default;

  virtual void beginUpdate(HostGsDevice* /*device*/) {}
  virtual void endUpdate(HostGsDevice* /*device*/) {}
  virtual void beginTransientUpdate(HostGsDevice* /*device*/) {}
  virtual void endTransientUpdate(HostGsDevice* /*device*/) {}
  // The drawing is complete (once per registration).
  virtual void deviceUpdateEnded(HostGsDevice* /*device*/) {}
  // The device no longer calls the listener: after deviceUpdateEnded, when
  // unregisterListener removed it, or when the device goes away.
  virtual void unregistered(HostGsDevice* /*device*/) {}
  // Asked before each drawing; a listener answering no hears nothing of it
  // and stays registered.
  virtual bool isInterestedIn(HostGsDevice* /*device*/) { return true; }
};
