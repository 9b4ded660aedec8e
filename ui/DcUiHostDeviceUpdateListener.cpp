#include "DcUiHostDeviceUpdateListener.h"

#include "DcHost.h"
#include "HostDocument.h"

namespace dwgcompareui {

ODRX_DEFINE_MODULE_CLASS(DcUiHostDeviceUpdateListener, OdRxObject, odrxNewImpl<DcUiHostDeviceUpdateListener>)

void DcUiHostDeviceUpdateListener::deviceUpdateEnded(HostGsDevice*) {
  if (HostDocument* document = dwgcompare::hostCurrentDocument()) document->sendStringToExecute("ZOOMALL ");
}

}  // namespace dwgcompareui
