#pragma once

#include "OdResult.h"
#include "OdString.h"

#include <exception>
#include <string>

// The library's exception: a result code and a description for the user.
class OdError : public std::exception {
 public:
  explicit OdError(OdResult code);
  OdError(OdResult code, const OdString& details);

  OdResult code() const { return m_code; }
  OdString description() const;
  const char* what() const noexcept override { return m_what.c_str(); }

  // The fixed text of a result code, as shown to users.
  static OdString describe(OdResult code);

 private:
  OdResult m_code;
  std::string m_what;
};

// Thrown where an object is not of the class a caller asked for.
class OdError_NotThatKindOfClass : public OdError {
 public:
  OdError_NotThatKindOfClass(const OdString& found, const OdString& wanted);
};

// Thrown for an index outside a container.
class OdError_InvalidIndex : public OdError {
 public:
  OdError_InvalidIndex() : OdError(eInvalidIndex) {}
};
