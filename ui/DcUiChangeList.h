#pragma once

#include "DcChanges.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace dwgcompareui {

// The changes of the current result under the palette's settings: one line
// each (number, kind, classes), the previous and next buttons, and what
// changed in the chosen one. Choosing a change zooms the view to it.
class DcUiChangeList : public QWidget {
 public:
  explicit DcUiChangeList(QWidget* parent = nullptr);

  // Follows the current document's comparison: its changes and the one
  // selected (also by COMPARENEXT and COMPAREPREV).
  void refresh();

  static OdString lineOf(const dwgcompare::Change& change);
  static OdString explanationOf(const dwgcompare::Change& change);

 private:
  void choose(int row);
  void showExplanation(int row);

  QLabel* m_caption;
  QListWidget* m_list;
  QPlainTextEdit* m_explanation;
  const dwgcompare::Changes* m_shown = nullptr;  // the changes the list was filled from
  size_t m_shownCount = 0;
};

}  // namespace dwgcompareui
