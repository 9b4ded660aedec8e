#include "DxfClassChooser.h"

#include <map>

namespace dxf {
namespace {
std::map<OdString, ClassChooser>& choosers() {
  static std::map<OdString, ClassChooser> all;
  return all;
}
}  // namespace

void registerClassChooser(const OdString& dxfName, ClassChooser chooser) { choosers()[dxfName] = chooser; }

ClassChooser classChooser(const OdString& dxfName) {
  auto found = choosers().find(dxfName);
  return found == choosers().end() ? nullptr : found->second;
}
}  // namespace dxf
