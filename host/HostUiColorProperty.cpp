#include "HostUiColorProperty.h"

#include "HostQtText.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace hostui {
namespace {
constexpr int kColorRole = Qt::UserRole + 1;

OdCmColor byMethod(OdCmEntityColor::ColorMethod method) { return OdCmColor(method); }

OdCmColor fromIndex(int16_t index) {
  OdCmColor color;
  color.setColorIndex(index);
  return color;
}

QColor swatchColor(const OdCmColor& color) {
  if (color.colorMethod() == OdCmEntityColor::kByACI) {
    uint32_t rgb = OdCmEntityColor::indexToRGB(color.colorIndex());
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }
  if (color.colorMethod() == OdCmEntityColor::kByColor) return QColor(color.red(), color.green(), color.blue());
  return QColor();
}

QIcon swatch(const OdCmColor& color) {
  QPixmap pixmap(12, 12);
  QColor fill = swatchColor(color);
  pixmap.fill(fill.isValid() ? fill : QColor(Qt::transparent));
  QPainter painter(&pixmap);
  painter.setPen(Qt::gray);
  painter.drawRect(0, 0, 11, 11);
  return QIcon(pixmap);
}

QVariant packed(const OdCmColor& color) { return QVariant::fromValue<quint32>(color.color()); }

OdCmColor unpacked(const QVariant& value) {
  OdCmColor color;
  color.setColor(value.value<quint32>());
  return color;
}
}  // namespace

OdString hostUiColorProperty::displayText(const OdCmColor& color) {
  switch (color.colorMethod()) {
    case OdCmEntityColor::kByLayer: return OdString("By Layer");
    case OdCmEntityColor::kByBlock: return OdString("By Block");
    case OdCmEntityColor::kForeground: return OdString("Foreground");
    case OdCmEntityColor::kNone: return OdString("None");
    default: break;
  }
  static const std::pair<const char*, const char*> kNamed[] = {
      {"255,0,0", "red"},    {"255,255,0", "yellow"}, {"0,255,0", "green"},
      {"0,255,255", "cyan"}, {"0,0,255", "blue"},     {"255,0,255", "magenta"}};
  OdString name = color.colorNameForDisplay();
  for (const auto& [rgb, named] : kNamed)
    if (name == OdString(rgb)) return OdString(named);
  return name;
}

OdArray<OdCmColor> hostUiColorProperty::standardColors() {
  OdArray<OdCmColor> colors;
  colors.push_back(byMethod(OdCmEntityColor::kByLayer));
  colors.push_back(byMethod(OdCmEntityColor::kByBlock));
  for (int16_t index = 1; index <= 7; ++index) colors.push_back(fromIndex(index));
  return colors;
}

hostUiColorProperty::hostUiColorProperty(const hostUiCustomColorProvider* provider, Chosen chosen, QWidget* parent)
    : QComboBox(parent), m_chosen(std::move(chosen)) {
  for (const OdCmColor& color : standardColors()) addColor(color);
  if (provider)
    for (const OdCmColor& color : provider->customColors()) addColor(color);
  m_moreColorsIndex = count();
  addItem(QStringLiteral("More Colors..."));
  connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) { choose(index); });
}

void hostUiColorProperty::addColor(const OdCmColor& color) {
  if (findData(packed(color), kColorRole) >= 0) return;
  int at = m_moreColorsIndex < 0 ? count() : m_moreColorsIndex++;
  insertItem(at, swatch(color), hostToQString(displayText(color)));
  setItemData(at, packed(color), kColorRole);
}

void hostUiColorProperty::setColor(const OdCmColor& color) {
  addColor(color);
  m_shownIndex = findData(packed(color), kColorRole);
  setCurrentIndex(m_shownIndex);
}

OdCmColor hostUiColorProperty::color() const { return unpacked(itemData(m_shownIndex, kColorRole)); }

void hostUiColorProperty::choose(int index) {
  if (index != m_moreColorsIndex) {
    m_shownIndex = index;
    if (m_chosen) m_chosen(color());
    return;
  }
  QColor picked = QColorDialog::getColor(swatchColor(color()), this);
  if (!picked.isValid()) {
    setCurrentIndex(m_shownIndex);
    return;
  }
  OdCmColor chosen;
  chosen.setRGB(static_cast<uint8_t>(picked.red()), static_cast<uint8_t>(picked.green()),
                static_cast<uint8_t>(picked.blue()));
  setColor(chosen);
  if (m_chosen) m_chosen(chosen);
}

}  // namespace hostui
