#pragma once

#include "DbObjectId.h"
#include "GePlane.h"
#include "GePoint2d.h"

class HostAppServices;
class HostDocManager;
class HostEditor;

// What get_host_funcptr answers for each index; other indexes answer null.
enum HostFuncIndex : int {
  kHostFuncAppServices = 0,  // HostAppServicesFunc
  kHostFuncDocManager = 2,   // HostDocManagerFunc
  kHostFuncEditor = 3,       // HostEditorFunc
  kHostFuncRegen = 12,       // HostRegenFunc, called with 1
  kHostFuncAppearance = 17,  // HostAppearanceFunc
};
using HostAppServicesFunc = HostAppServices* (*)();
using HostDocManagerFunc = HostDocManager* (*)();
using HostEditorFunc = HostEditor* (*)();
using HostRegenFunc = void (*)(int mode);
using HostAppearanceFunc = int (*)();

// Functions plug-ins find with dlsym, by their C names (besides GetApp in
// IApp.h and new_ICmdFactory in ICmdFactory.h).
extern "C" {
void* get_host_funcptr(int index);
// The text in the user's language; this host speaks English only, so the text itself.
const wchar_t* Supp_Translate(const wchar_t* text);
int Fio_IsFileExist(const wchar_t* path);
// Watching external references for changes pauses while disabled. This host
// watches no external references, so both do nothing.
void xrefDisableWatch();
void xrefEnableWatch();
// Clips a block reference to a boundary in the plane: the current
// application's window does. Answers 0 (eOk).
int setSpatialFilter(OdDbObjectId blockReference, const OdGePoint2d* boundary, int pointCount, const OdGePlane& plane,
                     bool enable);
}

// The host library's file name, as loaded (what the program's GetMainDllNameW answers).
const wchar_t* hostLibraryFileName();
