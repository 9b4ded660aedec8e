#pragma once

#include <QPointer>
#include <QWidget>

// A dialog of the host's look that lives inside a palette (or any parent).
// It keeps its state without a window, so that headless it still works:
// create() makes the window only when there is a parent to put it in.
class hostUiDialog {
 public:
  virtual ~hostUiDialog();

  // Makes the dialog's window in the parent (none when the parent is null)
  // and initialises the dialog either way.
  void create(QWidget* parent);
  // The dialog's window, or null headless.
  QWidget* window() const { return m_window.data(); }

 protected:
  // Makes the controls in window() (null headless) and fills them; the
  // host's theme is applied after.
  virtual void onInitDialog(QWidget* window) = 0;

 private:
  QPointer<QWidget> m_window;
};
