#pragma once

#include "IHostDeviceUpdateListner.h"
#include "RxObject.h"

namespace dwgcompareui {

// Types "ZOOMALL " into the current document once the result drawing has
// been drawn, which starts the comparison of the bound objects.
class DcUiHostDeviceUpdateListener : public OdRxObject, public IHostDeviceUpdateListner {
  ODRX_DECLARE_MEMBERS(DcUiHostDeviceUpdateListener);

 public:
  void deviceUpdateEnded(HostGsDevice* device) override;
  bool isInterestedIn(HostGsDevice*) override { return true; }
  void unregistered(HostGsDevice*) override { m_device = nullptr; }

  // Waits for the device's next complete drawing.
  void listenTo(HostGsDevice* device);
  // Leaves the device it waits for, if any: before the module goes.
  void stopListening();

 private:
  HostGsDevice* m_device = nullptr;
};
using DcUiHostDeviceUpdateListenerPtr = OdSmartPtr<DcUiHostDeviceUpdateListener>;

}  // namespace dwgcompareui
