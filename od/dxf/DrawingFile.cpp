#include "DrawingFile.h"

#include "DwgReader.h"
#include "DxfReader.h"
#include "OdError.h"

#include <algorithm>
#include <fstream>

#include <sys/stat.h>

namespace {

// DXF is text, or binary behind its sentinel; a zero byte near the start of anything else says it is neither.
bool looksLikeDxf(std::string_view head) {
  constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";
  if (head.substr(0, kBinarySentinel.size()) == kBinarySentinel) return true;
  return std::find(head.begin(), head.end(), '\0') == head.end();
}

}  // namespace

namespace {
OdDbDatabasePtr readByContent(const OdString& path) {
  std::ifstream in(path.utf8(), std::ios::binary);
  if (!in) return odDxfReadFile(path);  // its message says why the file cannot be read
  char buffer[512];
  in.read(buffer, sizeof buffer);
  std::string_view head(buffer, static_cast<size_t>(in.gcount()));
  if (!odDwgVersionOf(head).empty() && !looksLikeDxf(head)) return odDwgReadFile(path);
  if (!looksLikeDxf(head)) throw OdError(eNotThatKindOfClass, path + ": not a DXF or DWG drawing");
  return odDxfReadFile(path);
}
}  // namespace

OdDbDatabasePtr odReadDrawingFile(const OdString& path) {
  std::string stamp = odFileStamp(path);  // taken first: a file changed while read is not the one stamped
  OdDbDatabasePtr db = readByContent(path);
  db->setReadFileStamp(std::move(stamp));
  return db;
}

std::string odFileStamp(const OdString& path) {
  std::string name = path.utf8();
  struct stat st {};
  if (::stat(name.c_str(), &st) != 0) return std::string();
  return name + '\n' + std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' + std::to_string(st.st_size) +
         ':' + std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
}

bool odIsReadFromUnchangedFile(const OdDbDatabase* db, const OdString& path) {
  return db && !db->readFileStamp().empty() && db->readFileStamp() == odFileStamp(path);
}
