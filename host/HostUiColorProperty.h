#pragma once

#include "CmColor.h"
#include "OdArray.h"

#include <QComboBox>

#include <functional>

namespace hostui {

// Who offers a colour row extra colours (a dialog's custom colours).
class hostUiCustomColorProvider {
 public:
  virtual ~hostUiCustomColorProvider() = default;
  virtual OdArray<OdCmColor> customColors() const = 0;
};

// The host's colour choice: By Layer, By Block, the seven named index
// colours, the provider's custom colours and "More Colors...", which opens
// the colour dialog.
class hostUiColorProperty : public QComboBox {
 public:
  using Chosen = std::function<void(const OdCmColor&)>;

  hostUiColorProperty(const hostUiCustomColorProvider* provider, Chosen chosen, QWidget* parent = nullptr);

  // Shows the colour, adding it to the list when it is none of the choices.
  void setColor(const OdCmColor& color);
  OdCmColor color() const;

  // The colour as the user reads it: "By Layer", "By Block", "Foreground",
  // "None", the index colours by name ("red"), true colours as "R,G,B" or by
  // name when they are one of the six named ones.
  static OdString displayText(const OdCmColor& color);
  static OdArray<OdCmColor> standardColors();

 private:
  void addColor(const OdCmColor& color);
  void choose(int index);

  Chosen m_chosen;
  int m_moreColorsIndex = -1;
  int m_shownIndex = -1;
};

}  // namespace hostui
