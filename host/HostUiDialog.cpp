#include "HostUiDialog.h"

#include "HostUi.h"

hostUiDialog::~hostUiDialog() { delete m_window.data(); }

void hostUiDialog::create(QWidget* parent) {
  if (parent) m_window = new QWidget(parent);
  onInitDialog(m_window.data());
  hostUiColorizeDialog(m_window.data());
  hostUiColorizeControls(m_window.data());
}
