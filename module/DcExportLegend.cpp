#include "DcExportLegend.h"

#include "DcBlockTableRecordComparison.h"
#include "DcComparisonManager.h"
#include "DcDocManReactor.h"
#include "DcHost.h"
#include "HostCanvas.h"
#include "HostDocument.h"
#include "HostGsDevice.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace dwgcompare {
namespace {

constexpr uint32_t kLegendTextRgb = 0xFFFFFF;
constexpr uint32_t kLegendFrameRgb = 0x808080;
constexpr uint8_t kLegendBackgroundAlpha = 230;

// One line of the legend: a swatch of the colour, when it has one, and the text.
struct LegendLine {
  std::optional<uint32_t> rgb;
  std::string text;
};

uint32_t rgbOf(const OdCmColor& color) {
  return uint32_t(color.red()) << 16 | uint32_t(color.green()) << 8 | uint32_t(color.blue());
}

std::vector<LegendLine> legendLines(DcComparisonManager& manager, DcBlockTableRecordComparisonImpl& comparison) {
  const GroupCounts& counts = comparison.objectCounts();
  auto name = [](const FileInfo* info) { return info ? info->fileName.utf8() : std::string(); };
  return {
      {rgbOf(manager.file1Color()), "Only in File 1: " + std::to_string(counts.file1Only)},
      {rgbOf(manager.file2Color()), "Only in File 2: " + std::to_string(counts.file2Only)},
      {rgbOf(manager.sharedColor()), "In both: " + std::to_string(counts.shared)},
      {std::nullopt, "File 1: " + name(manager.file1Info())},
      {std::nullopt, "File 2: " + name(manager.file2Info())},
  };
}

std::vector<OdGePoint2d> square(double left, double top, double width, double height) {
  return {{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}, {left, top}};
}

void paintLines(HostCanvas& canvas, const std::vector<LegendLine>& lines, int height) {
  // Cap height in pixels: readable on small pictures, modest on large ones.
  double cap = std::clamp(height / 70.0, 9.0, 20.0);
  double advance = cap * kHostTextAdvancePerEm / kHostTextCapHeightPerEm;
  double pitch = cap * 1.8, pad = cap;
  size_t longest = 0;
  for (const LegendLine& line : lines) longest = std::max(longest, line.text.size());
  double boxWidth = pad * 3 + cap + advance * double(longest);
  double boxHeight = pad * 2 + pitch * double(lines.size()) - (pitch - cap);
  double left = pad, top = height - pad - boxHeight;
  canvas.polygon(square(left, top, boxWidth, boxHeight), {kHostBackgroundRgb, kLegendBackgroundAlpha, 1});
  canvas.polyline(square(left, top, boxWidth, boxHeight), {kLegendFrameRgb, 255, 1});
  for (size_t i = 0; i < lines.size(); ++i) {
    double lineTop = top + pad + pitch * double(i);
    if (lines[i].rgb) canvas.polygon(square(left + pad, lineTop, cap, cap), {*lines[i].rgb, 255, 1});
    const std::string& text = lines[i].text;
    canvas.text({left + pad * 2 + cap, lineTop + cap}, {cap, 0}, {0, -cap}, advance * double(text.size()),
                OdString(text), {kLegendTextRgb, 255, 1});
  }
}

}  // namespace

void paintExportLegend(HostGsDevice& device, HostCanvas& canvas, int, int height) {
  HostDocument* document = hostCurrentDocument();
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  if (!document || !manager || !document->hasDevice() || document->device() != &device) return;
  DcBlockTableRecordComparisonPtr comparison = manager->findComparison(document->database()->getModelSpaceId());
  if (comparison.isNull()) return;
  paintLines(canvas, legendLines(*manager, *comparisonImpl(comparison.get())), height);
}

}  // namespace dwgcompare
