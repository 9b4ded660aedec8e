#include "IHostVectorizerDeviceExPE.h"

#include "HostGsDevice.h"

namespace {
// One extension serves every device: it keeps nothing of its own.
class DeviceExtension : public IHostVectorizerDeviceExPE {
 public:
  void registerHighlightStyle(HostGsDevice* device, int highlightType, const ZrGi::HighlightStyle& style) override {
    if (device) device->setHighlightStyle(highlightType, style);
  }
  void registerListener(HostGsDevice* device, IHostDeviceUpdateListner* listener) override {
    if (device) device->addUpdateListener(listener);
  }
  void unregisterListener(HostGsDevice* device, IHostDeviceUpdateListner* listener) override {
    if (device) device->removeUpdateListener(listener);
  }
};
}  // namespace

IHostVectorizerDeviceExPE* IHostVectorizerDeviceExPE::cast(HostGsDevice* device) {
  static DeviceExtension extension;
  return device ? &extension : nullptr;
}
