#pragma once

#include "GePoint3d.h"
#include "OdString.h"

#include <string>
#include <vector>

// Plug-in interfaces pass wide text (UTF-32 here); the library keeps UTF-16.
std::wstring hostToWide(const OdString& text);
OdString hostFromWide(const wchar_t* text);

// Splits a command line into ';'-separated steps, each into words: blanks
// separate words, double quotes keep blanks ("my plan.dxf").
std::vector<std::vector<OdString>> hostSplitCommandLine(const OdString& line);

// A number typed in full ("1.5", "-2"); false for anything else.
bool hostParseNumber(const std::string& text, double& value);
// A point typed as "x,y" or "x,y,z".
bool hostParsePoint(const OdString& text, OdGePoint3d& point);
