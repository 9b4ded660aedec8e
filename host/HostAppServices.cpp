#include "HostAppServices.h"

#include "DrawingFile.h"
#include "HostDocManager.h"
#include "HostOutputTransaction.h"
#include "OdError.h"

#include <filesystem>

OdString HostAppServices::findFile(const OdString& name) const {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (name.isEmpty()) return OdString();
  if (fs::is_regular_file(name.utf8(), ec)) return name;
  HostDocument* doc = m_docs.curDocument();
  if (doc && !doc->filePath().isEmpty() && fs::path(name.utf8()).is_relative()) {
    fs::path beside = fs::path(doc->filePath().utf8()).parent_path() / name.utf8();
    if (fs::is_regular_file(beside, ec)) return OdString(beside.string());
  }
  return OdString();
}

OdDbDatabasePtr HostAppServices::readFile(const OdString& path, bool, bool, int, const OdString&) const {
  OdDbDatabasePtr db = readDrawing(path);
  if (OdString note = repairNote(path, db.get()); !note.isEmpty()) m_docs.print(note);
  return db;
}

OdString HostAppServices::repairNote(const OdString& path, const OdDbDatabase* db) {
  size_t repairs = db->readRepairs();
  if (repairs == 0) return OdString();
  return path + OdString(": " + std::to_string(repairs) + (repairs == 1 ? " value" : " values") +
                         " repaired while reading; the first at ") +
         db->firstReadRepair();
}

OdDbDatabasePtr HostAppServices::readDrawing(const OdString& path) {
  hostRequireInputFile(path);
  // The reader's errors already name the file.
  OdDbDatabasePtr db = odReadDrawingFile(path);
  db->setFilename(path);
  return db;
}
