#pragma once

#include "OdString.h"

#include <QString>

// Both keep UTF-16: text passes unchanged.
inline QString hostToQString(const OdString& text) { return QString::fromUtf16(text.c_str(), text.getLength()); }
inline OdString hostFromQString(const QString& text) {
  return OdString(std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())));
}
