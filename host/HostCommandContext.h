#pragma once

#include "IUnknownLike.h"
#include "OdString.h"

class HostDocument;

inline constexpr const char* kIID_HostCommandContext = "HostCommandContext";

// What the host hands a command object for one run: the document it runs
// on and the name the editor reactors hear.
class HostCommandContext : public UnknownImpl<IUnknownLike> {
 public:
  HostCommandContext(HostDocument* document, const OdString& globalName)
      : m_document(document), m_globalName(globalName) {}

  HostDocument* document() const { return m_document; }
  // A command may change its global name once it knows what it does (ZOOM
  // with "All" is "ViewZoomAll").
  const OdString& globalName() const { return m_globalName; }
  void setGlobalName(const OdString& name) { m_globalName = name; }

  bool queryInterface(const char* iid, void** out) override {
    *out = nullptr;
    if (!sameInterfaceId(iid, kIID_HostCommandContext) && !sameInterfaceId(iid, kIID_IUnknownLike)) return false;
    addRef();
    *out = this;
    return true;
  }

 private:
  HostDocument* m_document;
  OdString m_globalName;
};
