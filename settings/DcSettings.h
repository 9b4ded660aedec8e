#pragma once

#include "CmColor.h"
#include "OdArray.h"
#include "OdString.h"

#include <cstdint>

class OdRxClass;
class OdRxObject;

namespace dwgcompare {

class DcSettings;
class DcUiSettings;

// Hears every change of a display setting, after the new value is stored.
class DcSettingsReactor {
 public:
  virtual ~DcSettingsReactor() = default;
  virtual void settingsChanged(DcSettings* settings) = 0;
};

// What the user chooses about how comparisons are computed and shown: each
// group's colour, visibility and transparency (File 1, File 2, shared), the
// classes the user hides, the classes never compared and the failure texts.
// Colours and hidden classes live in the host profile; the rest lasts one load.
class DcSettings {
 public:
  // Saves the colours and hidden classes to the profile.
  virtual ~DcSettings() = default;

  // Reactors are not owned; one that dies first removes itself.
  virtual void addReactor(DcSettingsReactor* reactor) = 0;
  virtual void removeReactor(DcSettingsReactor* reactor) = 0;
  // Owned by the settings.
  virtual DcUiSettings* uiSettings() = 0;
  // Hidden classes go by name; changing them notifies nobody.
  virtual void addFilteredClass(const OdRxClass* cls) = 0;
  virtual void removeFilteredClass(const OdRxClass* cls) = 0;
  // Transparency is a fraction: 0.0 opaque, 1.0 fully transparent.
  virtual void setFile1Transparency(double transparency) = 0;
  virtual void setFile2Transparency(double transparency) = 0;
  virtual void setSharedTransparency(double transparency) = 0;
  // Also remember the colour's index (see file1ColorIndex).
  virtual void setFile1Color(const OdCmColor& color) = 0;
  virtual void setFile2Color(const OdCmColor& color) = 0;
  virtual void setSharedColor(const OdCmColor& color) = 0;
  virtual void setFile1Visible(bool visible) = 0;
  virtual void setFile2Visible(bool visible) = 0;
  virtual void setSharedVisible(bool visible) = 0;
  virtual bool isFilteredClass(const OdRxClass* cls) const = 0;
  virtual bool isFilteredObject(const OdRxObject* object) const = 0;
  // Excluded objects are never compared (see classExclusionFlags).
  virtual bool isExcludedObject(const OdRxObject* object) const = 0;
  virtual bool isExcludedClass(const OdRxClass* cls) const = 0;
  virtual bool isFile1Visible() const = 0;
  virtual bool isFile2Visible() const = 0;
  virtual bool isSharedVisible() const = 0;
  virtual double file1Transparency() const = 0;
  virtual double file2Transparency() const = 0;
  virtual double sharedTransparency() const = 0;
  virtual OdCmColor file1Color() const = 0;
  virtual OdCmColor file2Color() const = 0;
  virtual OdCmColor sharedColor() const = 0;
  // True colour 128, 128, 128 named "gray".
  virtual OdCmColor grayColor() const = 0;
  // The host's drawing background, named "By default".
  virtual OdCmColor backgroundColor() const = 0;
  // The extra colours offered by colour pickers, gray first.
  virtual OdArray<OdCmColor> customColors() const = 0;
  // The index of the colour last given to the setter (at first, of the default colour).
  virtual uint16_t file1ColorIndex() const = 0;
  virtual uint16_t file2ColorIndex() const = 0;
  virtual uint16_t sharedColorIndex() const = 0;
  // Why a layout could not be compared; "Unknown failure" for a code without a text.
  virtual OdString failureReasonText(int32_t code) const = 0;
  virtual uint32_t objectExclusionFlags(const OdRxObject* object) const = 0;
  // How near objects must lie to form one change: a fraction of the larger
  // side of the drawing's extents. Kept in the profile.
  virtual double changeMargin() const = 0;
  virtual void setChangeMargin(double fraction) = 0;
  // Whether a result drawing shows a revision cloud around each change. Kept in the profile.
  virtual bool showsRevisionClouds() const = 0;
  virtual void setShowsRevisionClouds(bool show) = 0;
  // kSkipClass and kReportClass of DcExclusionFlag; 0 for classes that are compared.
  virtual uint32_t classExclusionFlags(const OdRxClass* cls) const = 0;
};

// How a class is kept out of comparisons.
enum DcExclusionFlag : uint32_t {
  kSkipClass = 1,    // its objects are not compared
  kReportClass = 2,  // and the class is listed as unsupported
};

// The one settings object, made on first use; null when it cannot be made.
DcSettings* getDcSettings();
// Destroys the settings object, which saves it; a later getDcSettings makes a new one.
void destroyDcSettings();

}  // namespace dwgcompare
