#pragma once

class HostCommandRegistry;

// NEW, OPEN, SAVE, SAVEAS, CLOSE, ZOOM, ZOOMALL, REGEN, SETVAR and QUIT, in
// the group "HOST". They act on HostApp::current().
void hostRegisterBuiltinCommands(HostCommandRegistry& registry);
