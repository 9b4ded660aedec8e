#include "HostAppServices.h"

#include "DrawingFile.h"
#include "DwgReader.h"
#include "HostDocManager.h"
#include "HostOutputTransaction.h"
#include "OdError.h"
#include "RxEvent.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <thread>

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

namespace {
// DWG files are converted by a program of their own, which may take gigabytes: they are read one at a time.
bool isDwgFile(const OdString& path) {
  std::ifstream in(path.utf8(), std::ios::binary);
  char head[6] = {};
  in.read(head, sizeof head);
  return !odDwgVersionOf(std::string_view(head, static_cast<size_t>(in.gcount()))).empty();
}
constexpr char kReadPhase[] = "read File 1 and File 2";
}  // namespace

std::pair<OdDbDatabasePtr, OdDbDatabasePtr> HostAppServices::readFiles(const OdString& first,
                                                                       const OdString& second) const {
  if (isDwgFile(first) || isDwgFile(second)) {
    std::pair<OdDbDatabasePtr, OdDbDatabasePtr> read{readFile(first), readFile(second)};
    m_phaseTimes.mark(kReadPhase);
    return read;
  }
  OdDbDatabasePtr secondDb;
  std::exception_ptr secondError;
  OdRxHeldEvents secondEvents;
  std::thread reader([&] {
    OdRxEventHold hold(secondEvents);
    try {
      secondDb = readDrawing(second);
    } catch (...) {
      secondError = std::current_exception();
    }
  });
  OdDbDatabasePtr firstDb;
  try {
    firstDb = readFile(first);
  } catch (...) {
    // Read alone, the first file's error ends the run before the second is read: nothing of it is told.
    reader.join();
    OdRxHeldEvents dropped;
    OdRxEventHold hold(dropped);
    secondDb.release();
    throw;
  }
  reader.join();
  if (secondError) std::rethrow_exception(secondError);
  secondEvents.fire();
  if (OdString note = repairNote(second, secondDb.get()); !note.isEmpty()) m_docs.print(note);
  m_phaseTimes.mark(kReadPhase);
  return {firstDb, secondDb};
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
