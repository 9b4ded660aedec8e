#include "DcUiCompareResultsPlaceDlg.h"

#include "DbHatch.h"
#include "DbMText.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "DcDocManReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "DcPropertyInspector.h"
#include "DcRevisionClouds.h"
#include "DcSettings.h"
#include "DcUiAux.h"
#include "HostDocManager.h"
#include "HostQtText.h"
#include "HostUi.h"

#include <QPushButton>
#include <QVBoxLayout>

#include <charconv>
#include <cmath>
#include <string>

namespace dwgcompareui {
using namespace dwgcompare;
using dcproperties::DcPropertyRow;

namespace {
const OdString kDrawingFilter("Drawing (*.dwg *.dxf)|*.dwg;*.dxf|All files (*)|*|");

DcSettings& settings() { return *getDcSettings(); }

bool isResultCurrent() { return hostCurrentDocument() && getDocManReactor()->currentComparison(); }

// After a change that decides what is drawn: the result is drawn again.
void regenerateResult() {
  if (isResultCurrent()) hostRegen();
}

std::function<void(bool)> thenRegenerate(void (DcSettings::*set)(bool)) {
  return [set](bool value) {
    (settings().*set)(value);
    regenerateResult();
  };
}

std::function<bool()> reading(bool (DcSettings::*get)() const) {
  return [get] { return (settings().*get)(); };
}

// Hiding text hides single-line and multi-line text alike.
void setTextVisible(bool visible) {
  for (const OdRxClass* cls : {OdDbText::desc(), OdDbMText::desc()})
    visible ? settings().removeFilteredClass(cls) : settings().addFilteredClass(cls);
  regenerateResult();
}

void setHatchVisible(bool visible) {
  visible ? settings().removeFilteredClass(OdDbHatch::desc()) : settings().addFilteredClass(OdDbHatch::desc());
  regenerateResult();
}

// The clouds of a current result come and go with their layer; a result
// compared with the clouds off has none to show until it is compared again.
void setCloudsShown(bool show) {
  settings().setShowsRevisionClouds(show);
  if (!isResultCurrent()) return;
  OdDbObjectId layer = hostCurrentDocument()->database()->layerTable()->getAt(OdString(kRevisionCloudLayer));
  if (layer.isNull()) return;
  OdDbLayerTableRecordPtr record = layer.safeOpenObject(OdDb::kForWrite);
  record->setIsOff(!show);
  hostRegen();
}

const std::vector<OdString>& transparencyChoices() {
  static const std::vector<OdString> choices = [] {
    std::vector<OdString> texts;
    for (int percent = 0; percent < 100; percent += 10) texts.push_back(OdString(std::to_string(percent)));
    return texts;
  }();
  return choices;
}

// The fraction as a whole percentage, cut toward zero: 0.456 reads "45",
// and 0.29 (28.999... in binary) reads "29".
OdString percentText(double fraction) {
  double percent = fraction * 100;
  return OdString(std::to_string(static_cast<long long>(percent + (percent < 0 ? -1e-9 : 1e-9))));
}

// A percentage as typed, blanks around it allowed; a text that is not
// wholly a number leaves the setting as it was. Not clamped: 150 stores 1.5.
bool setPercent(void (DcSettings::*set)(double), const OdString& text) {
  std::string typed = text.utf8();
  size_t first = typed.find_first_not_of(" \t"), last = typed.find_last_not_of(" \t");
  if (first == std::string::npos) return false;
  double percent;
  auto [end, ec] = std::from_chars(typed.data() + first, typed.data() + last + 1, percent);
  if (ec != std::errc() || end != typed.data() + last + 1 || !std::isfinite(percent)) return false;
  (settings().*set)(percent * 0.01);
  regenerateResult();
  return true;
}

dcproperties::DcPropertyRowPtr transparencyRow(int label, double (DcSettings::*get)() const,
                                              void (DcSettings::*set)(double)) {
  return dcproperties::editableChoiceRow(
      dcMessage(label), transparencyChoices(), [get] { return percentText((settings().*get)()); },
      [set](const OdString& text) { return setPercent(set, text); });
}
}  // namespace

DcUiCompareResultsPlaceDlg::DcUiCompareResultsPlaceDlg() { makeRows(); }

DcUiCompareResultsPlaceDlg::~DcUiCompareResultsPlaceDlg() {
  destroyWindow();
  uiRegistry().unregisterInterface(this);
}

void DcUiCompareResultsPlaceDlg::onInitDialog(QWidget* window) {
  m_customColors = settings().customColors();
  if (window) makeControls(window);
}

void DcUiCompareResultsPlaceDlg::makeRows() {
  auto colorRow = [this](int label, OdCmColor (DcSettings::*get)() const, void (DcSettings::*set)(const OdCmColor&)) {
    return std::make_unique<dcproperties::DcColorRow>(
        dcMessage(label), [get] { return (settings().*get)(); },
        [this, set](const OdCmColor& color) {
          (settings().*set)(color);
          regenerateResult();
          repaintRows();
        },
        this);
  };
  m_rows = {
      std::make_unique<dcproperties::DcFileRow>(dcMessage(kMsgRowSelectFile1), dcMessage(kMsgSelectDrawing), kDrawingFilter),
      std::make_unique<dcproperties::DcFileRow>(dcMessage(kMsgRowSelectFile2), dcMessage(kMsgSelectDrawing), kDrawingFilter),
      dcproperties::yesNoRow(dcMessage(kMsgRowVisibilityFile1), reading(&DcSettings::isFile1Visible),
                             thenRegenerate(&DcSettings::setFile1Visible)),
      dcproperties::yesNoRow(dcMessage(kMsgRowVisibilityFile2), reading(&DcSettings::isFile2Visible),
                             thenRegenerate(&DcSettings::setFile2Visible)),
      dcproperties::yesNoRow(dcMessage(kMsgRowVisibilityShared), reading(&DcSettings::isSharedVisible),
                             thenRegenerate(&DcSettings::setSharedVisible)),
      dcproperties::yesNoRow(
          dcMessage(kMsgRowVisibilityText), [] { return !settings().isFilteredClass(OdDbText::desc()); }, &setTextVisible),
      dcproperties::yesNoRow(
          dcMessage(kMsgRowVisibilityHatch), [] { return !settings().isFilteredClass(OdDbHatch::desc()); },
          &setHatchVisible),
      colorRow(kMsgRowColorFile1, &DcSettings::file1Color, &DcSettings::setFile1Color),
      colorRow(kMsgRowColorFile2, &DcSettings::file2Color, &DcSettings::setFile2Color),
      colorRow(kMsgRowColorShared, &DcSettings::sharedColor, &DcSettings::setSharedColor),
      transparencyRow(kMsgRowTransparencyFile1, &DcSettings::file1Transparency, &DcSettings::setFile1Transparency),
      transparencyRow(kMsgRowTransparencyFile2, &DcSettings::file2Transparency, &DcSettings::setFile2Transparency),
      transparencyRow(kMsgRowTransparencyShared, &DcSettings::sharedTransparency, &DcSettings::setSharedTransparency),
      dcproperties::yesNoRow(dcMessage(kMsgRowVisibilityClouds), reading(&DcSettings::showsRevisionClouds),
                             &setCloudsShown),
  };
}

void DcUiCompareResultsPlaceDlg::makeControls(QWidget* window) {
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 2, 4);
  m_inspector = new dcproperties::DcPropertyInspector(window);
  for (auto& row : m_rows) m_inspector->addRow(row.get());
  m_inspector->setMinimumHeight(m_inspector->fullHeight());
  auto* compareButton = new QPushButton(QStringLiteral("Compare"), window);
  compareButton->setObjectName(QStringLiteral("Compare"));
  compareButton->setCursor(Qt::PointingHandCursor);
  QObject::connect(compareButton, &QPushButton::clicked, window, [this] { compare(); });
  layout->addWidget(m_inspector, 1);
  layout->addWidget(compareButton);
}

bool DcUiCompareResultsPlaceDlg::isChosen(Row which) const {
  OdString text = m_rows[which]->text();
  return !text.isEmpty() && text.iCompare(dcMessage(kMsgSelectDrawing)) != 0;
}

void DcUiCompareResultsPlaceDlg::compare() {
  // Both rows are checked for a choice before either is looked for on disk.
  for (auto [which, notSelected] : {std::pair{kFile1, kMsgFile1NotSelected}, std::pair{kFile2, kMsgFile2NotSelected}})
    if (!isChosen(which)) {
      hostUiMessageBox(HostUiIcon::kWarning, dcMessage(notSelected));
      return;
    }
  OdString file1 = m_rows[kFile1]->text();
  OdString file2 = m_rows[kFile2]->text();
  for (auto [path, notFound] : {std::pair{file1, kMsgFile1NotFound}, std::pair{file2, kMsgFile2NotFound}})
    if (!hostFileExists(path)) {
      hostUiMessageBox(HostUiIcon::kError, dcFormatMessage(notFound, {path}));
      return;
    }
  if (auto* palette = findUiInterface<IDcUiComparisonPalette>(DcUiAux::kPalette)) palette->compareFiles(file1, file2);
}

void DcUiCompareResultsPlaceDlg::refreshFiles(void*) {
  DcComparisonManager* manager = getDocManReactor()->currentComparison();
  if (!manager) return;
  if (const FileInfo* info = manager->file1Info()) m_rows[kFile1]->setText(info->path);
  if (const FileInfo* info = manager->file2Info()) m_rows[kFile2]->setText(info->path);
  repaintRows();
}

void DcUiCompareResultsPlaceDlg::compareFinished(DcComparisonManager*) {
  if (m_failureReport.hasEntries()) m_failureReport.show();
}

void DcUiCompareResultsPlaceDlg::resetFiles() {
  for (Row which : {kFile1, kFile2}) m_rows[which]->setText(dcMessage(kMsgSelectDrawing));
  repaintRows();
}

void DcUiCompareResultsPlaceDlg::repaintRows() {
  if (!m_inspector) return;
  m_inspector->refreshAll();
  m_inspector->update();
}

}  // namespace dwgcompareui
