#include "DcUiHostDeviceUpdateListener.h"

#include "DcHost.h"
#include "HostDocument.h"
#include "IHostVectorizerDeviceExPE.h"

namespace dwgcompareui {

ODRX_DEFINE_MODULE_CLASS(DcUiHostDeviceUpdateListener, OdRxObject, odrxNewImpl<DcUiHostDeviceUpdateListener>)

void DcUiHostDeviceUpdateListener::deviceUpdateEnded(HostGsDevice*) {
  dwgcompare::hostSendCommand(OdString("ZOOMALL "));
}

void DcUiHostDeviceUpdateListener::listenTo(HostGsDevice* device) {
  IHostVectorizerDeviceExPE* extension = IHostVectorizerDeviceExPE::cast(device);
  if (!extension) return;
  stopListening();
  m_device = device;
  extension->registerListener(device, this);
}

void DcUiHostDeviceUpdateListener::stopListening() {
  if (IHostVectorizerDeviceExPE* extension = IHostVectorizerDeviceExPE::cast(m_device))
    extension->unregisterListener(m_device, this);
  m_device = nullptr;
}

}  // namespace dwgcompareui
