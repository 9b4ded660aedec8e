#pragma once

#include "ResBuf.h"

#include <optional>
#include <unordered_map>

// System variables by name (case-insensitive), each a typed value whose
// type never changes.
class HostSystemVariables {
 public:
  // The host's own variables, the comparison's among them.
  HostSystemVariables();

  // The whole numbers an integer variable takes, both ends included.
  struct Range {
    int64_t lowest, highest;
  };

  // Adds a variable, or leaves one that exists as it is; answers whether it
  // was added. An integer variable may take only a range of values.
  bool define(const OdString& name, OdResBufPtr value, std::optional<Range> range = std::nullopt);
  bool has(const OdString& name) const;
  // A copy of the value, or null for an unknown name.
  OdResBufPtr get(const OdString& name) const;
  // Converts the value to the variable's type; false for an unknown name or
  // a value that does not convert or is out of the variable's range.
  bool set(const OdString& name, const OdResBuf* value);
  // Parses typed text ("3", "0.5", "1,2", "text") as the variable's type.
  bool setFromText(const OdString& name, const OdString& text);
  // The value as it is typed ("6", "1.5", "1,2,0").
  static OdString toText(const OdResBuf* value);
  // Why the typed value was refused, with the range the variable takes.
  OdString refusal(const OdString& name, const OdString& text) const;

 private:
  // Looked up for every object a comparison fingerprints: hashed, not ordered.
  struct NameHash {
    size_t operator()(const OdString& name) const;
  };
  struct SameName {
    bool operator()(const OdString& a, const OdString& b) const { return a.iCompare(b) == 0; }
  };
  std::unordered_map<OdString, OdResBufPtr, NameHash, SameName> m_vars;
  std::unordered_map<OdString, Range, NameHash, SameName> m_ranges;
};
