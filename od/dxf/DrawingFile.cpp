#include "DrawingFile.h"

#include "DwgReader.h"
#include "DxfReader.h"
#include "OdError.h"

#include <algorithm>
#include <fstream>

namespace {

// DXF is text, or binary behind its sentinel; a zero byte near the start of anything else says it is neither.
bool looksLikeDxf(std::string_view head) {
  constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";
  if (head.substr(0, kBinarySentinel.size()) == kBinarySentinel) return true;
  return std::find(head.begin(), head.end(), '\0') == head.end();
}

}  // namespace

OdDbDatabasePtr odReadDrawingFile(const OdString& path) {
  std::ifstream in(path.utf8(), std::ios::binary);
  if (!in) return odDxfReadFile(path);  // its message says why the file cannot be read
  char buffer[512];
  in.read(buffer, sizeof buffer);
  std::string_view head(buffer, static_cast<size_t>(in.gcount()));
  if (!odDwgVersionOf(head).empty() && !looksLikeDxf(head)) return odDwgReadFile(path);
  if (!looksLikeDxf(head)) throw OdError(eNotThatKindOfClass, path + ": not a DXF or DWG drawing");
  return odDxfReadFile(path);
}
