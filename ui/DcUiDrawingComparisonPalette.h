#pragma once

namespace dwgcompareui {

// The comparison palette as the commands see it: created once, shown and
// hidden. Until the host offers palette windows it has no window of its
// own; its state and the profile's startup entry follow the commands.
class DcUiDrawingComparisonPalette {
 public:
  bool hasWindow() const { return m_hasWindow; }
  // Makes the palette's window; false when the host cannot.
  bool createWindow();
  void show(bool visible);
  bool isVisible() const;

 private:
  bool m_hasWindow = false;
};

// The module's palette, or null before the first DWGCOMPARE.
DcUiDrawingComparisonPalette* comparisonPalette();
DcUiDrawingComparisonPalette& makeComparisonPalette();
void destroyComparisonPalette();
// Whether the palette is shown; false while it does not exist.
bool isPaletteVisible();

// Adds (show) or removes the command's entry under the profile's "Startup"
// key, which the host runs when it starts.
void updateStartupEntry(bool show, const char* commandName);

}  // namespace dwgcompareui
