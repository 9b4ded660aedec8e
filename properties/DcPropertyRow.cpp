#include "DcPropertyRow.h"

#include "HostUiColorProperty.h"

#include <cstdio>
#include <utility>

namespace dcproperties {
namespace {
const OdString kYes("Yes");
const OdString kNo("No");

// "R,G,B" with each part 0..255.
bool parseRgb(const OdString& text, OdCmColor& color) {
  int r, g, b;
  char end;
  if (std::sscanf(text.utf8().c_str(), "%d,%d,%d%c", &r, &g, &b, &end) != 3) return false;
  for (int part : {r, g, b})
    if (part < 0 || part > 255) return false;
  color.setRGB(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
  return true;
}
}  // namespace

DcPropertyRow::DcPropertyRow(Kind kind, const OdString& label, Getter getter, Setter setter)
    : m_kind(kind), m_label(label), m_getter(std::move(getter)), m_setter(std::move(setter)) {}

OdString DcPropertyRow::group() const {
  int stop = m_label.find(u'.');
  return stop < 0 ? OdString() : m_label.left(stop);
}

OdString DcPropertyRow::name() const {
  int stop = m_label.find(u'.');
  return stop < 0 ? m_label : m_label.mid(stop + 1);
}

DcColorRow::DcColorRow(const OdString& label, std::function<OdCmColor()> getter,
                       std::function<void(const OdCmColor&)> setter, const hostui::hostUiCustomColorProvider* provider)
    : DcPropertyRow(
          Kind::kColor, label, [this] { return hostui::hostUiColorProperty::displayText(color()); },
          [this](const OdString& text) { return setByName(text); }),
      m_getColor(std::move(getter)),
      m_setColor(std::move(setter)),
      m_provider(provider) {}

bool DcColorRow::setByName(const OdString& text) {
  OdArray<OdCmColor> known = hostui::hostUiColorProperty::standardColors();
  if (m_provider)
    for (const OdCmColor& custom : m_provider->customColors()) known.push_back(custom);
  for (const OdCmColor& candidate : known)
    if (hostui::hostUiColorProperty::displayText(candidate).iCompare(text) == 0) {
      setColor(candidate);
      return true;
    }
  OdCmColor rgb;
  if (!parseRgb(text, rgb)) return false;
  setColor(rgb);
  return true;
}

DcFileRow::DcFileRow(const OdString& label, const OdString& placeholder, const OdString& filter)
    : DcPropertyRow(
          Kind::kFile, label, [this] { return m_value.isEmpty() ? m_placeholder : m_value; },
          [this](const OdString& text) {
            m_value = text;
            return true;
          }),
      m_placeholder(placeholder),
      m_filter(filter) {}

DcPropertyRowPtr yesNoRow(const OdString& label, std::function<bool()> getter, std::function<void(bool)> setter) {
  auto row = std::make_unique<DcPropertyRow>(
      DcPropertyRow::Kind::kChoice, label, [getter] { return getter() ? kYes : kNo; },
      [setter](const OdString& text) {
        if (text != kYes && text != kNo) return false;
        setter(text == kYes);
        return true;
      });
  row->setChoices({kYes, kNo});
  return row;
}

DcPropertyRowPtr editableChoiceRow(const OdString& label, std::vector<OdString> choices, DcPropertyRow::Getter getter,
                                   DcPropertyRow::Setter setter) {
  auto row = std::make_unique<DcPropertyRow>(DcPropertyRow::Kind::kEditableChoice, label, std::move(getter),
                                             std::move(setter));
  row->setChoices(std::move(choices));
  return row;
}

}  // namespace dcproperties
