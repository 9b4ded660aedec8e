#pragma once

#include "OdString.h"

class QMainWindow;
class QWidget;

// The host's user-interface services for plug-ins. Headless (no main window)
// there are no windows: messages go to the command line and choices answer
// nothing, so that commands still run.

// The main window, or null when the host runs headless.
QMainWindow* hostUiMainWindow();

enum class HostUiIcon { kInformation, kWarning, kError };

// Shows the text in a message box of the main window (without waiting for
// the user, so that scripts go on) and keeps it on the command line too.
void hostUiMessageBox(HostUiIcon icon, const OdString& text);

// A message the user may silence: its instruction over its content, one
// button and a "do not show again" check box. Answers whether the box was
// ticked. When nobody can answer (headless, an unattended run) the texts go
// to the command line and nothing is ticked.
bool hostUiTaskDialog(const OdString& title, const OdString& instruction, const OdString& content,
                      const OdString& button, const OdString& verification);

// A modal dialog of the main window, or null when nobody can answer one.
QWidget* hostUiDialogParent();

// Asks for a drawing file to open; an empty answer when the user cancels or
// there is no window. The filter is "Drawing (*.dwg)|*.dwg|": pairs of a
// caption and patterns, each ended by '|'.
OdString hostUiOpenFileName(const OdString& filter);

// The host's appearance applied to a dialog and to the controls inside it:
// the dark palette when the host has its dark appearance.
void hostUiColorizeDialog(QWidget* dialog);
void hostUiColorizeControls(QWidget* dialog);
