#include "DcUiDrawingComparisonPalette.h"

#include "DcHost.h"
#include "HostText.h"
#include "IProfile.h"

#include <memory>

namespace dwgcompareui {
namespace {
std::unique_ptr<DcUiDrawingComparisonPalette> g_palette;
bool g_paletteVisible = false;
}  // namespace

bool DcUiDrawingComparisonPalette::createWindow() {
  m_hasWindow = true;
  return true;
}

void DcUiDrawingComparisonPalette::show(bool visible) { g_paletteVisible = visible; }

bool DcUiDrawingComparisonPalette::isVisible() const { return g_paletteVisible; }

DcUiDrawingComparisonPalette* comparisonPalette() { return g_palette.get(); }

DcUiDrawingComparisonPalette& makeComparisonPalette() {
  if (!g_palette) g_palette = std::make_unique<DcUiDrawingComparisonPalette>();
  return *g_palette;
}

void destroyComparisonPalette() {
  g_palette.reset();
  g_paletteVisible = false;
}

bool isPaletteVisible() { return g_paletteVisible; }

void updateStartupEntry(bool show, const char* commandName) {
  auto profile = HostRefPtr<IProfile>::adopt(dwgcompare::hostProfile());
  if (!profile) return;
  auto startup = HostRefPtr<IProfileSection>::adopt(profile->openSection("Startup", true));
  if (!startup) return;
  // The host types each entry's text at start: the command itself.
  if (show) startup->setString(commandName, hostToWide(OdString(commandName)).c_str());
  else startup->deleteEntry(commandName);
}

}  // namespace dwgcompareui
