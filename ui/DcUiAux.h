#pragma once

#include "DcUiInterfaces.h"

#include <map>

namespace dwgcompareui {

// Where the palette and its settings dialog find each other, by key.
class DcUiAux {
 public:
  enum Key { kSettingsDialog = 0, kPalette = 3 };

  virtual ~DcUiAux() = default;
  // Replaces an earlier entry; the registry does not own the part.
  virtual void registerInterface(IDcUiInteface* part, int key) = 0;
  // Null when the key has no entry.
  virtual IDcUiInteface* findInterface(int key) const = 0;
  // Drops the part wherever it is registered (it is going).
  virtual void unregisterInterface(IDcUiInteface* part) = 0;
};

class DcUiAuxImpl : public DcUiAux {
 public:
  void registerInterface(IDcUiInteface* part, int key) override { m_parts[key] = part; }
  IDcUiInteface* findInterface(int key) const override;
  void unregisterInterface(IDcUiInteface* part) override;

 private:
  std::map<int, IDcUiInteface*> m_parts;
};

// The module's registry, made on first use.
DcUiAux& uiRegistry();

// The part under the key as the interface the caller needs, or null.
template <class Interface>
Interface* findUiInterface(int key) {
  return dynamic_cast<Interface*>(uiRegistry().findInterface(key));
}

}  // namespace dwgcompareui
