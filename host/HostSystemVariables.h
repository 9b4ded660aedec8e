#pragma once

#include "ResBuf.h"

#include <map>

// System variables by name (case-insensitive), each a typed value whose
// type never changes.
class HostSystemVariables {
 public:
  // The host's own variables, the comparison's among them.
  HostSystemVariables();

  // Adds a variable, or leaves one that exists as it is; answers whether it was added.
  bool define(const OdString& name, OdResBufPtr value);
  bool has(const OdString& name) const;
  // A copy of the value, or null for an unknown name.
  OdResBufPtr get(const OdString& name) const;
  // Converts the value to the variable's type; false for an unknown name or
  // a value that does not convert.
  bool set(const OdString& name, const OdResBuf* value);
  // Parses typed text ("3", "0.5", "1,2", "text") as the variable's type.
  bool setFromText(const OdString& name, const OdString& text);
  // The value as it is typed ("6", "1.5", "1,2,0").
  static OdString toText(const OdResBuf* value);

 private:
  std::map<OdString, OdResBufPtr, OdStringLessNoCase> m_vars;
};
