#include "HostGsDevice.h"

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "GiExtents.h"
#include "GiWorldDrawImpl.h"
#include "HostRasterCanvas.h"
#include "HostSvgCanvas.h"
#include "OdError.h"
#include "HostOutputTransaction.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {
// Larger images than this do not fit in memory comfortably.
constexpr int kLargestExportSide = 8192;

OdDbBlockTableRecordPtr modelSpaceOf(OdDbDatabase* database) {
  return OdDbBlockTableRecord::cast(database->getModelSpaceId().openObject().get());
}

std::string lowerExtensionOf(const OdString& path) {
  std::string extension = std::filesystem::path(path.utf8()).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
  return extension;
}
}  // namespace

HostGsDevice::HostGsDevice(OdDbDatabase* database) : m_database(database) {}

HostGsDevice::~HostGsDevice() {
  *m_alive = false;
  std::vector<Registration> left = std::move(m_listeners);
  m_listeners.clear();
  for (const Registration& r : left) r.listener->unregistered(this);
}

HostGsView& HostGsDevice::view() {
  return const_cast<HostGsView&>(std::as_const(*this).view());
}

const HostGsView& HostGsDevice::view() const {
  if (m_startingZoomPending) {
    m_startingZoomPending = false;
    if (OdDbBlockTableRecordPtr modelSpace = modelSpaceOf(m_database)) m_view.zoomExtents(odGiBlockExtents(modelSpace.get()));
  }
  return m_view;
}

void HostGsDevice::zoomExtents() {
  m_startingZoomPending = true;
  view();
}

void HostGsDevice::drawModelSpace(OdGiGeometrySink& sink, int width, int height) {
  OdDbBlockTableRecordPtr modelSpace = modelSpaceOf(m_database);
  if (!modelSpace) return;
  HostViewTransform transform = view().transform(width, height);
  OdGiWorldDrawImpl draw(sink);
  draw.setView(OdGeExtents2d(transform.toWorld({0, double(height)}), transform.toWorld({double(width), 0})),
               1 / transform.scale);
  draw.drawBlock(modelSpace.get());
  if (m_following) draw.drawEntity(m_following);
}

void HostGsDevice::update(HostCanvas& canvas, int width, int height) {
  HostViewSink sink(view().transform(width, height), width, height, m_styles, canvas);
  runUpdate([&] { drawModelSpace(sink, width, height); });
}

void HostGsDevice::update() {
  if (!m_listeners.empty()) runUpdate([] {});
}

void HostGsDevice::runUpdate(const std::function<void()>& draw) {
  if (m_updating) return;
  std::vector<IHostDeviceUpdateListner*> listening = audience();
  m_updating = true;
  struct Done {
    bool& updating;
    ~Done() { updating = false; }
  };
  {
    Done done{m_updating};
    drawFor(listening, draw);
  }
  // The drawing is over: whoever registered during it waits for the next one, not for this.
  for (Registration& r : m_listeners) r.armed = true;
  endOneShot(listening);
}

std::vector<IHostDeviceUpdateListner*> HostGsDevice::audience() {
  std::vector<IHostDeviceUpdateListner*> armed;
  for (const Registration& r : m_listeners)
    if (r.armed) armed.push_back(r.listener);
  std::vector<IHostDeviceUpdateListner*> interested;
  for (IHostDeviceUpdateListner* l : armed)
    if (hasUpdateListener(l) && l->isInterestedIn(this)) interested.push_back(l);
  return interested;
}

template <class Call>
void HostGsDevice::notify(const std::vector<IHostDeviceUpdateListner*>& audience, const Call& call) {
  // Listeners may unregister themselves, or others, while notified.
  for (IHostDeviceUpdateListner* l : audience)
    if (hasUpdateListener(l)) call(l);
}

void HostGsDevice::drawFor(const std::vector<IHostDeviceUpdateListner*>& audience, const std::function<void()>& draw) {
  notify(audience, [this](IHostDeviceUpdateListner* l) { l->beginUpdate(this); });
  try {
    draw();
  } catch (...) {
    notify(audience, [this](IHostDeviceUpdateListner* l) { l->endUpdate(this); });
    throw;
  }
  notify(audience, [this](IHostDeviceUpdateListner* l) { l->endUpdate(this); });
  // The device keeps no transient graphics: the pass is empty but heard.
  notify(audience, [this](IHostDeviceUpdateListner* l) { l->beginTransientUpdate(this); });
  notify(audience, [this](IHostDeviceUpdateListner* l) { l->endTransientUpdate(this); });
}

void HostGsDevice::endOneShot(const std::vector<IHostDeviceUpdateListner*>& audience) {
  // A command a listener types may close the document, and the device with it.
  std::shared_ptr<const bool> alive = m_alive;
  for (IHostDeviceUpdateListner* l : audience) {
    if (!*alive) return;
    if (!hasUpdateListener(l)) continue;
    // Off the list first: a command the listener types may draw again at once.
    std::erase_if(m_listeners, [l](const Registration& r) { return r.listener == l; });
    l->deviceUpdateEnded(this);
    l->unregistered(this);
  }
}

void HostGsDevice::setHighlightStyle(int highlightType, const ZrGi::HighlightStyle& style) {
  if (highlightType != 0) m_styles[highlightType] = style;
}

const ZrGi::HighlightStyle* HostGsDevice::highlightStyle(int highlightType) const {
  auto it = m_styles.find(highlightType);
  return it == m_styles.end() ? nullptr : &it->second;
}

void HostGsDevice::addUpdateListener(IHostDeviceUpdateListner* listener) {
  if (listener && !hasUpdateListener(listener)) m_listeners.push_back({listener, !m_updating});
}

void HostGsDevice::removeUpdateListener(IHostDeviceUpdateListner* listener) {
  if (!hasUpdateListener(listener)) return;
  std::erase_if(m_listeners, [listener](const Registration& r) { return r.listener == listener; });
  listener->unregistered(this);
}

bool HostGsDevice::hasUpdateListener(IHostDeviceUpdateListner* listener) const {
  return std::any_of(m_listeners.begin(), m_listeners.end(),
                     [listener](const Registration& r) { return r.listener == listener; });
}

std::string HostGsDevice::pngImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) throw OdError(eOutOfMemory, "no memory for an image of that size");
  image.fill(HostRasterCanvas::background());
  {
    QPainter painter(&image);
    HostRasterCanvas canvas(painter);
    paintExport(canvas, width, height);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw OdError(eFileWriteError, "the image cannot be encoded as PNG");
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string HostGsDevice::svgDocument(int width, int height) {
  HostSvgCanvas canvas(width, height);
  paintExport(canvas, width, height);
  return canvas.document();
}

namespace {
HostGsDevice::ExportOverlay& exportOverlay() {
  static HostGsDevice::ExportOverlay overlay;
  return overlay;
}
}  // namespace

void HostGsDevice::setExportOverlay(ExportOverlay overlay) { exportOverlay() = std::move(overlay); }

void HostGsDevice::paintExport(HostCanvas& canvas, int width, int height) {
  update(canvas, width, height);
  if (exportOverlay()) exportOverlay()(*this, canvas, width, height);
}

void HostGsDevice::exportView(const OdString& path, int width, int height, const std::vector<OdString>& inputs) {
  if (width < 1 || height < 1 || width > kLargestExportSide || height > kLargestExportSide)
    throw OdError(eInvalidInput, path + OdString::format(": cannot export at %dx%d pixels; each side takes 1 to %d",
                                                         width, height, kLargestExportSide));
  std::string extension = lowerExtensionOf(path);
  if (extension != ".png" && extension != ".svg")
    throw OdError(eInvalidInput, path + ": cannot export: the file name must end in .png or .svg");
  auto bytes = [&] {
    try {
      return extension == ".png" ? pngImage(width, height) : svgDocument(width, height);
    } catch (const OdError& e) {
      throw OdError(e.code(), path + ": cannot export: " + e.description());
    }
  };
  hostWriteOutput(path, bytes, inputs);
}
