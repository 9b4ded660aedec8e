#include "DcUiToolbar.h"

#include "DcDocManReactor.h"
#include "DcHost.h"
#include "DcMessages.h"
#include "HostQtText.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTimer>

namespace dwgcompareui {
namespace {
constexpr int kImageSize = 16;
constexpr int kButtonSize = 24;
// How often the information button follows the current document, as a
// window framework's idle update would.
constexpr int kUpdateIntervalMs = 250;

QIcon iconFrom(const QString& name) {
  QString variant = dwgcompare::hostHasAlternativeAppearance() ? name + "-dark" : name;
  QSvgRenderer svg(":/dwgcompare/" + variant + ".svg");
  QPixmap image(kImageSize, kImageSize);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  svg.render(&painter);
  return QIcon(image);
}

void sendCompareInfo() { dwgcompare::hostSendCommand(OdString("COMPAREINFO ")); }

void showHelp() { dwgcompare::hostShowHelpTopic(L"IDH_DWGCOMPARE"); }
}  // namespace

DcUiToolbar::DcUiToolbar(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFloatable(false);
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] { updateInformationButton(); });
  timer->start(kUpdateIntervalMs);
}

void DcUiToolbar::loadButtons() {
  clear();
  setIconSize(QSize(kImageSize, kImageSize));
  setFixedHeight(kButtonSize + 4);
  QAction* information = addAction(iconFrom("info"), QString(), this, &sendCompareInfo);
  information->setData(kInformation);
  information->setToolTip(hostToQString(dwgcompare::dcMessage(dwgcompare::kMsgCompareInfoTooltip)));
  QAction* help = addAction(iconFrom("help"), QString(), this, &showHelp);
  help->setData(kHelp);
  help->setToolTip(hostToQString(dwgcompare::dcMessage(dwgcompare::kMsgHelpTooltip)));
  updateInformationButton();
}

QAction* DcUiToolbar::action(Command command) const {
  for (QAction* candidate : actions())
    if (candidate->data().toInt() == command) return candidate;
  return nullptr;
}

void DcUiToolbar::updateInformationButton() {
  if (QAction* information = action(kInformation))
    information->setEnabled(dwgcompare::getDocManReactor()->currentComparison() != nullptr);
}

}  // namespace dwgcompareui
