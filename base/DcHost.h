#pragma once

#include "DbObjectId.h"
#include "GePlane.h"
#include "GePoint2d.h"
#include "OdString.h"
#include "ResBuf.h"

class HostAppServices;
class HostDocManager;
class HostDocument;
class HostEditor;
class IApp;
class IProfile;
class ICmdFactory;

// The host's services as a plug-in finds them: through the functions the
// host's main library exports, looked up at run time. Each answers null when
// the host does not offer the service (as in a test without a host).
namespace dwgcompare {

HostDocManager* hostDocManager();
HostEditor* hostEditor();
HostAppServices* hostAppServices();
IApp* hostApp();
// The profile, with one reference for the caller, or null.
IProfile* hostProfile();
// A new command factory with one reference for the caller, or null.
ICmdFactory* hostCommandFactory();

// The text in the user's language (Supp_Translate), or the text itself.
OdString hostTranslate(const wchar_t* text);
// Prints on the current document's command line, or the host's general
// output when no document is current.
void hostPrint(const OdString& text);
// The current document, or null.
HostDocument* hostCurrentDocument();
// A system variable's value, or null.
OdResBufPtr hostSystemVariable(const OdString& name);
// Asks the host to draw its views again (host service 12, called with 1).
void hostRegen();
bool hostFileExists(const OdString& path);
// The host's appearance flag (host service 17): true for its alternative (dark) look.
bool hostHasAlternativeAppearance();
// Shows a help topic through the host's help service; false when it cannot.
bool hostShowHelpTopic(const wchar_t* topic);
// Sends a command text to the current document as if typed; nothing without one.
void hostSendCommand(const OdString& text);
void hostDisableXrefWatch();
void hostEnableXrefWatch();
// Clips a block reference to a boundary (the host's setSpatialFilter).
// Marks the end of a phase of the job, for whoever asked to see the times of its phases.
void hostMarkPhase(const char* phase);
void hostSetSpatialFilter(OdDbObjectId blockReference, const OdGePoint2d* boundary, int pointCount,
                          const OdGePlane& plane, bool enable);

}  // namespace dwgcompare
