#pragma once

#include <QToolBar>

class QAction;

namespace dwgcompareui {

// The strip at the top of the palette: information about the compared files
// (enabled while a comparison result is current) and help.
class DcUiToolbar : public QToolBar {
 public:
  enum Command { kInformation = 40004, kHelp = 40003 };

  explicit DcUiToolbar(QWidget* parent = nullptr);

  // Makes the two buttons, with the icons of the host's appearance.
  void loadButtons();
  QAction* action(Command command) const;
  // Enables the information button exactly while a comparison result is current.
  void updateInformationButton();
};

}  // namespace dwgcompareui
