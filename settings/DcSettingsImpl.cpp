#include "DcSettingsImpl.h"

#include "DcHost.h"
#include "DcMessages.h"
#include "DcModuleContext.h"
#include "DcProfile.h"
#include "DcUiSettingsImpl.h"
#include "HostText.h"
#include "RxObject.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace dwgcompare {
namespace {

constexpr const char* kFile1ColorKey = "NewObjectColor";
constexpr const char* kFile2ColorKey = "ErasedObjectColor";
constexpr const char* kSharedColorKey = "SharedObjectColor";
constexpr const char* kFilteredClassesKey = "FiltredObjects";
// The margin is kept in thousandths, the profile holding whole numbers only.
constexpr const char* kChangeMarginKey = "ChangeMarginPerMille";
constexpr const char* kRevisionCloudsKey = "RevisionClouds";
constexpr double kPerMille = 1000.0;
constexpr char16_t kClassSeparator = u';';
constexpr uint16_t kRedIndex = 1;
constexpr uint16_t kGreenIndex = 3;
// Index colours up to this one are always on offer; later ones a user picked
// are added to the custom colours.
constexpr uint16_t kLastStandardColorIndex = 8;

// Translated once, when the module is loaded.
const OdString kUnknownFailureText = hostTranslate(L"Unknown failure");

OdCmColor indexColor(uint16_t index) {
  OdCmColor color;
  color.setColorIndex(static_cast<int16_t>(index));
  return color;
}

uint16_t indexOf(const OdCmColor& color) { return static_cast<uint16_t>(color.colorIndex()); }

OdCmColor namedGray() {
  OdCmColor gray;
  gray.setNames(OdString("gray"));
  gray.setRGB(128, 128, 128);
  return gray;
}

OdArray<OdString> splitDroppingEmpty(const OdString& text, char16_t separator) {
  OdArray<OdString> pieces;
  int start = 0;
  while (start <= text.getLength()) {
    int end = text.find(separator, start);
    if (end < 0) end = text.getLength();
    if (end > start) pieces.append(text.mid(start, end - start));
    start = end + 1;
  }
  return pieces;
}

OdString joinTerminated(const OdArray<OdString>& names, char16_t terminator) {
  OdString text;
  for (const OdString& name : names) {
    text += name;
    text += terminator;
  }
  return text;
}

const OdRxClass* classOf(const OdRxObject* object) { return object ? object->isA() : nullptr; }

}  // namespace

DcSettingsImpl::DcSettingsImpl()
    : m_uiSettings(std::make_shared<DcUiSettingsImpl>()),
      m_file1Color(indexColor(kGreenIndex)),
      m_file2Color(indexColor(kRedIndex)),
      m_grayColor(namedGray()),
      m_file1ColorIndex(indexOf(m_file1Color)),
      m_file2ColorIndex(indexOf(m_file2Color)),
      m_sharedColorIndex(indexOf(m_sharedColor)) {
  readBackground();
  load();
  fillClassExclusions();
  fillFailureReasons();
}

DcSettingsImpl::~DcSettingsImpl() { save(); }

void DcSettingsImpl::readBackground() {
  m_backgroundColor.setNames(OdString("By default"));
  HostRefPtr<IProfileSection> colors = openExistingProfileSection("Colors");
  std::optional<int32_t> background = colors ? readInt32(*colors.get(), "Background") : std::nullopt;
  if (!background) return;
  auto rgb = static_cast<uint32_t>(*background);
  m_backgroundColor.setRGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void DcSettingsImpl::load() {
  m_customColors.append(m_grayColor);
  // Without a stored shared colour, shared objects are gray.
  m_sharedColor = m_grayColor;
  HostRefPtr<IProfileSection> section = openSettingsSection();
  if (!section) return;
  loadColor(*section.get(), kFile1ColorKey, m_file1Color);
  loadColor(*section.get(), kFile2ColorKey, m_file2Color);
  loadColor(*section.get(), kSharedColorKey, m_sharedColor);
  loadFilteredClasses(*section.get());
  loadChangeSettings(*section.get());
}

// Colours are stored as their index, so a true colour comes back as the
// nearest index colour; only gray is recognised by its index.
void DcSettingsImpl::loadColor(const IProfileSection& section, const char* key, OdCmColor& color) {
  std::optional<uint16_t> index = readUInt16(section, key);
  if (!index) return;
  if (*index == indexOf(m_grayColor)) {
    color = m_grayColor;
    return;
  }
  color = indexColor(*index);
  if (*index > kLastStandardColorIndex && !m_customColors.contains(color)) m_customColors.append(color);
}

void DcSettingsImpl::loadFilteredClasses(const IProfileSection& section) {
  if (const wchar_t* text = section.getString(kFilteredClassesKey))
    m_filteredClasses = splitDroppingEmpty(hostFromWide(text), kClassSeparator);
}

void DcSettingsImpl::loadChangeSettings(const IProfileSection& section) {
  if (std::optional<int32_t> perMille = readInt32(section, kChangeMarginKey); perMille && *perMille >= 0)
    m_changeMargin = *perMille / kPerMille;
  if (std::optional<int32_t> clouds = readInt32(section, kRevisionCloudsKey)) m_showsRevisionClouds = *clouds != 0;
}

void DcSettingsImpl::fillClassExclusions() {
  constexpr uint32_t kSkipAndReport = kSkipClass | kReportClass;
  m_classExclusions = {
      {OdString("AcDbViewport"), kSkipClass},
      {OdString("AcDb2dVertex"), kSkipClass},
      {OdString("AcDbSequenceEnd"), kSkipClass},
      {OdString("AcDbPolyFaceMeshVertex"), kSkipClass},
      {OdString("AcDbFaceRecord"), kSkipClass},
      {OdString("AcDbPolygonMeshVertex"), kSkipClass},
      {OdString("AcDbBlockEnd"), kSkipClass},
      {OdString("AcDbBlockBegin"), kSkipClass},
      {OdString("AcDb3dPolylineVertex"), kSkipClass},
      {OdString("AcDbOleFrame"), kSkipAndReport},
      {OdString("AcDbOle2Frame"), kSkipAndReport},
      {OdString("AcDbCamera"), kSkipAndReport},
      {OdString("AcDbUnderlayReference"), kSkipAndReport},
      {OdString("AcDbRasterImage"), kSkipAndReport},
      {OdString("AcDbPdfReference"), kSkipAndReport},
      {OdString("AcDbDgnReference"), kSkipAndReport},
      {OdString("AcDbDwfReference"), kSkipAndReport},
      {OdString("AcDbNavisworksModel"), kSkipAndReport},
      {OdString("hostDbPointCloudInsertion"), kSkipAndReport},
  };
}

void DcSettingsImpl::fillFailureReasons() {
  const std::pair<int32_t, int> reasons[] = {
      {0, kMsgNoFailure},
      {1, kMsgFailedToCloneOriginalLayout},
      {2, kMsgFailedToCloneComparingLayout},
      {3, kMsgFailedToCloneBlockTableRecord},
      {4, kMsgFailedToCreateLayout},
      {5, kMsgFailedToInsertBlockReference},
      {6, kMsgFailedToInsertBlockReference},
      {7, kMsgFailedToFindOriginalLayout},
      {8, kMsgInvalidComparingBlockTableRecord},
      {9, kMsgInvalidComparingLayout},
  };
  for (const auto& [code, message] : reasons) m_failureReasons[code] = dcMessage(message);
}

void DcSettingsImpl::save() const {
  HostRefPtr<IProfileSection> section = openSettingsSection();
  if (!section) return;
  section->setString(kFilteredClassesKey, hostToWide(joinTerminated(m_filteredClasses, kClassSeparator)).c_str());
  section->setUInt16(kFile1ColorKey, indexOf(m_file1Color));
  section->setUInt16(kFile2ColorKey, indexOf(m_file2Color));
  section->setUInt16(kSharedColorKey, indexOf(m_sharedColor));
  section->setInt32(kChangeMarginKey, static_cast<int32_t>(std::lround(m_changeMargin * kPerMille)));
  section->setInt32(kRevisionCloudsKey, m_showsRevisionClouds ? 1 : 0);
}

void DcSettingsImpl::addReactor(DcSettingsReactor* reactor) {
  if (std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end()) m_reactors.push_back(reactor);
}

void DcSettingsImpl::removeReactor(DcSettingsReactor* reactor) {
  auto found = std::find(m_reactors.begin(), m_reactors.end(), reactor);
  if (found != m_reactors.end()) m_reactors.erase(found);
}

DcUiSettings* DcSettingsImpl::uiSettings() { return m_uiSettings.get(); }

void DcSettingsImpl::addFilteredClass(const OdRxClass* cls) {
  if (cls && !m_filteredClasses.contains(cls->name())) m_filteredClasses.append(cls->name());
}

void DcSettingsImpl::removeFilteredClass(const OdRxClass* cls) {
  if (!cls) return;
  auto found = std::find(m_filteredClasses.begin(), m_filteredClasses.end(), cls->name());
  if (found != m_filteredClasses.end()) m_filteredClasses.erase(found);
}

template <class T>
void DcSettingsImpl::store(T& field, const T& value) {
  field = value;
  notify();
}

void DcSettingsImpl::setColor(OdCmColor& color, uint16_t& cachedIndex, const OdCmColor& value) {
  color = value;
  cachedIndex = indexOf(value);
  notify();
}

void DcSettingsImpl::notify() {
  // A copy, so that a reactor may add or remove reactors while it hears the change.
  const std::vector<DcSettingsReactor*> reactors = m_reactors;
  for (DcSettingsReactor* reactor : reactors) reactor->settingsChanged(this);
}

void DcSettingsImpl::setFile1Transparency(double transparency) { store(m_file1Transparency, transparency); }
void DcSettingsImpl::setFile2Transparency(double transparency) { store(m_file2Transparency, transparency); }
void DcSettingsImpl::setSharedTransparency(double transparency) { store(m_sharedTransparency, transparency); }
void DcSettingsImpl::setFile1Color(const OdCmColor& color) { setColor(m_file1Color, m_file1ColorIndex, color); }
void DcSettingsImpl::setFile2Color(const OdCmColor& color) { setColor(m_file2Color, m_file2ColorIndex, color); }
void DcSettingsImpl::setSharedColor(const OdCmColor& color) { setColor(m_sharedColor, m_sharedColorIndex, color); }
void DcSettingsImpl::setFile1Visible(bool visible) { store(m_file1Visible, visible); }
void DcSettingsImpl::setFile2Visible(bool visible) { store(m_file2Visible, visible); }
void DcSettingsImpl::setSharedVisible(bool visible) { store(m_sharedVisible, visible); }
void DcSettingsImpl::setChangeMargin(double fraction) { store(m_changeMargin, std::max(fraction, 0.0)); }
void DcSettingsImpl::setShowsRevisionClouds(bool show) { store(m_showsRevisionClouds, show); }

bool DcSettingsImpl::isFilteredClass(const OdRxClass* cls) const {
  return cls && m_filteredClasses.contains(cls->name());
}

bool DcSettingsImpl::isFilteredObject(const OdRxObject* object) const { return isFilteredClass(classOf(object)); }

bool DcSettingsImpl::isExcludedObject(const OdRxObject* object) const { return isExcludedClass(classOf(object)); }

bool DcSettingsImpl::isExcludedClass(const OdRxClass* cls) const {
  return cls && m_classExclusions.contains(cls->name());
}

bool DcSettingsImpl::isFile1Visible() const { return m_file1Visible; }
bool DcSettingsImpl::isFile2Visible() const { return m_file2Visible; }
bool DcSettingsImpl::isSharedVisible() const { return m_sharedVisible; }
double DcSettingsImpl::file1Transparency() const { return m_file1Transparency; }
double DcSettingsImpl::file2Transparency() const { return m_file2Transparency; }
double DcSettingsImpl::sharedTransparency() const { return m_sharedTransparency; }
OdCmColor DcSettingsImpl::file1Color() const { return m_file1Color; }
OdCmColor DcSettingsImpl::file2Color() const { return m_file2Color; }
OdCmColor DcSettingsImpl::sharedColor() const { return m_sharedColor; }
OdCmColor DcSettingsImpl::grayColor() const { return m_grayColor; }
OdCmColor DcSettingsImpl::backgroundColor() const { return m_backgroundColor; }
OdArray<OdCmColor> DcSettingsImpl::customColors() const { return m_customColors; }
uint16_t DcSettingsImpl::file1ColorIndex() const { return m_file1ColorIndex; }
uint16_t DcSettingsImpl::file2ColorIndex() const { return m_file2ColorIndex; }
uint16_t DcSettingsImpl::sharedColorIndex() const { return m_sharedColorIndex; }

OdString DcSettingsImpl::failureReasonText(int32_t code) const {
  auto found = m_failureReasons.find(code);
  return found == m_failureReasons.end() ? kUnknownFailureText : found->second;
}

uint32_t DcSettingsImpl::objectExclusionFlags(const OdRxObject* object) const {
  return classExclusionFlags(classOf(object));
}

uint32_t DcSettingsImpl::classExclusionFlags(const OdRxClass* cls) const {
  if (!cls) return 0;
  auto found = m_classExclusions.find(cls->name());
  return found == m_classExclusions.end() ? 0 : found->second;
}

DcSettings* getDcSettings() {
  return moduleContext().findOrMake<DcSettings>([]() -> std::shared_ptr<DcSettings> {
    try {
      return std::make_shared<DcSettingsImpl>();
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  });
}

void destroyDcSettings() { moduleContext().destroy<DcSettings>(); }

}  // namespace dwgcompare
