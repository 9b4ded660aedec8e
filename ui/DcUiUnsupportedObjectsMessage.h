#pragma once

#include "DcBlockTableRecordComparison.h"

#include <functional>

namespace dwgcompareui {

// The texts of the message that tells which classes of objects a
// comparison left out.
struct DcUiUnsupportedObjectsMessage {
  OdString title;         // "Drawing Compare"
  OdString instruction;   // what happened
  OdString content;       // the classes as a user reads them, each followed by a line feed
  OdString button;        // "Ok"
  OdString verification;  // "Do not show this message again"
};

// Whether the message is to be shown for these classes: some, and the user
// has not switched it off.
bool shouldShowUnsupportedObjectsMessage(const dwgcompare::DcBlockTableRecordComparison::UnsupportedClasses& classes);
DcUiUnsupportedObjectsMessage unsupportedObjectsMessage(
    const dwgcompare::DcBlockTableRecordComparison::UnsupportedClasses& classes);

// Shows the message and answers whether "do not show again" was ticked.
using DcUiUnsupportedObjectsPresenter = std::function<bool(const DcUiUnsupportedObjectsMessage&)>;
// Replaces how the message is shown; an empty one restores the host's task
// dialog, printed on the command line when nobody can answer.
void setUnsupportedObjectsPresenter(DcUiUnsupportedObjectsPresenter presenter);

// Shows the message when it is to be shown; a ticked box switches it off
// in the settings, which the profile keeps.
void reportUnsupportedObjects(const dwgcompare::DcBlockTableRecordComparison::UnsupportedClasses& classes);

}  // namespace dwgcompareui
