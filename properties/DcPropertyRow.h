#pragma once

#include "CmColor.h"
#include "OdArray.h"
#include "OdString.h"

#include <functional>
#include <memory>
#include <vector>

namespace hostui {
class hostUiCustomColorProvider;
}

namespace dcproperties {

// One row of a property list: a label "Group.Name" and a value bound to a
// getter and a setter. The value travels as the text the user reads; a row
// refuses a text it cannot take and keeps its value.
class DcPropertyRow {
 public:
  enum class Kind { kText, kChoice, kEditableChoice, kColor, kFile };
  using Getter = std::function<OdString()>;
  using Setter = std::function<bool(const OdString&)>;

  DcPropertyRow(Kind kind, const OdString& label, Getter getter, Setter setter);
  virtual ~DcPropertyRow() = default;

  Kind kind() const { return m_kind; }
  const OdString& label() const { return m_label; }
  // The label's parts before and after the first full stop.
  OdString group() const;
  OdString name() const;

  virtual OdString text() const { return m_getter(); }
  // False (and the value unchanged) when the row cannot take the text.
  virtual bool setText(const OdString& text) { return m_setter(text); }
  // What a drop-down offers.
  const std::vector<OdString>& choices() const { return m_choices; }
  void setChoices(std::vector<OdString> choices) { m_choices = std::move(choices); }

 private:
  Kind m_kind;
  OdString m_label;
  Getter m_getter;
  Setter m_setter;
  std::vector<OdString> m_choices;
};

// A colour: shown by its display name, chosen among the host's colours, the
// provider's custom colours or any other from the colour dialog.
class DcColorRow : public DcPropertyRow {
 public:
  DcColorRow(const OdString& label, std::function<OdCmColor()> getter, std::function<void(const OdCmColor&)> setter,
             const hostui::hostUiCustomColorProvider* provider);

  OdCmColor color() const { return m_getColor(); }
  void setColor(const OdCmColor& color) { m_setColor(color); }
  const hostui::hostUiCustomColorProvider* provider() const { return m_provider; }

 private:
  bool setByName(const OdString& text);

  std::function<OdCmColor()> m_getColor;
  std::function<void(const OdCmColor&)> m_setColor;
  const hostui::hostUiCustomColorProvider* m_provider;
};

// A drawing file: its path, or the placeholder while there is none; a browse
// button offers the files the filter names.
class DcFileRow : public DcPropertyRow {
 public:
  DcFileRow(const OdString& label, const OdString& placeholder, const OdString& filter);

  const OdString& filter() const { return m_filter; }

 private:
  OdString m_value;
  OdString m_placeholder;
  OdString m_filter;
};

using DcPropertyRowPtr = std::unique_ptr<DcPropertyRow>;

DcPropertyRowPtr yesNoRow(const OdString& label, std::function<bool()> getter, std::function<void(bool)> setter);
DcPropertyRowPtr editableChoiceRow(const OdString& label, std::vector<OdString> choices, DcPropertyRow::Getter getter,
                                   DcPropertyRow::Setter setter);

}  // namespace dcproperties
