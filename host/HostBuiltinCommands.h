#pragma once

class HostCommandRegistry;

// NEW, OPEN, SAVE, SAVEAS, CLOSE, ZOOM, ZOOMALL, REGEN, SETVAR, QUIT and EXPORT, in
// the group "HOST". They act on HostApp::current().
void hostRegisterBuiltinCommands(HostCommandRegistry& registry);
