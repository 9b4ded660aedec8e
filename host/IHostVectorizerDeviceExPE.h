#pragma once

#include "IHostDeviceUpdateListner.h"
#include "ZrGiHighlight.h"

class HostGsDevice;

// What a module adds to a document's graphics device: highlight styles and
// update listeners. Reached from the device:
//   IHostVectorizerDeviceExPE::cast(doc->device())->registerListener(doc->device(), &listener);
class IHostVectorizerDeviceExPE {
 public:
  // The extension for the device; null for a null device.
  static IHostVectorizerDeviceExPE* cast(HostGsDevice* device);

  // What is drawn while the draw context's highlight type
  // (ZrGi::zrgiSetHighlightType) is highlightType is painted in the style's
  // colour; its alpha is multiplied by the drawn traits' own. Type 0 is no
  // highlight and takes no style; registering a type again replaces its style.
  virtual void registerHighlightStyle(HostGsDevice* device, int highlightType, const ZrGi::HighlightStyle& style) = 0;
  // The listener hears the first complete drawing after now, then is
  // unregistered (IHostDeviceUpdateListner). Registering it twice does nothing.
  virtual void registerListener(HostGsDevice* device, IHostDeviceUpdateListner* listener) = 0;
  // The listener hears nothing more; its unregistered is called when it was registered.
  virtual void unregisterListener(HostGsDevice* device, IHostDeviceUpdateListner* listener) = 0;

 protected:
  ~IHostVectorizerDeviceExPE() = default;
};
