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
};
using DcUiHostDeviceUpdateListenerPtr = OdSmartPtr<DcUiHostDeviceUpdateListener>;

}  // namespace dwgcompareui
