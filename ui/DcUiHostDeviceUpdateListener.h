#pragma once

#include "RxObject.h"

namespace dwgcompareui {

// Types "ZOOMALL " into the current document once the result drawing has
// been drawn, which starts the comparison of the bound objects.
class DcUiHostDeviceUpdateListener : public OdRxObject {
  ODRX_DECLARE_MEMBERS(DcUiHostDeviceUpdateListener);

 public:
  // The end of a device update: the drawing is on screen.
  void deviceUpdateEnded();
};
using DcUiHostDeviceUpdateListenerPtr = OdSmartPtr<DcUiHostDeviceUpdateListener>;

}  // namespace dwgcompareui
