#pragma once

#include "DbDatabase.h"
#include "HostPhaseTimes.h"

#include <utility>

class HostDocManager;

// What the host offers databases and plug-ins: finding files, new databases.
class HostAppServices {
 public:
  explicit HostAppServices(HostDocManager& docs) : m_docs(docs) {}

  // The path of a file by name: as given when it exists, else beside the
  // current drawing; empty when not found.
  OdString findFile(const OdString& name) const;
  OdString productName() const { return "cadhost"; }
  OdDbDatabasePtr createDatabase(bool withDefaults = true) const { return OdDbDatabase::create(withDefaults); }
  // Reads a drawing file into a new database, chosen by its type; throws
  // OdError naming the file. Files are read whole and shared with every
  // other reader and writer, so partialLoad and shareMode change nothing;
  // DXF carries its own code page and no password.
  OdDbDatabasePtr readFile(const OdString& path, bool convertCodePage = false, bool partialLoad = false,
                           int shareMode = kShareDenyNo, const OdString& password = OdString()) const;
  static constexpr int kShareDenyNo = 0x40;
  // Reads two DXF files at the same time, the second on a thread of its own
  // (DWG files one after the other), with what reading first one then the
  // other gives: the same databases, events to reactors and notes, in that
  // order, on the calling thread, and the first error. Events of a read that
  // failed are dropped: the database they name is gone, and no reactor saw it made.
  std::pair<OdDbDatabasePtr, OdDbDatabasePtr> readFiles(const OdString& first, const OdString& second) const;
  // What readFile and OPEN share.
  static OdDbDatabasePtr readDrawing(const OdString& path);
  // What the reader repaired in the drawing, as the user is told it; empty when nothing.
  static OdString repairNote(const OdString& path, const OdDbDatabase* db);
  // The phases of the job under way, for whoever asked to see their times; readFiles marks its reading.
  HostPhaseTimes& phaseTimes() const { return m_phaseTimes; }

 private:
  HostDocManager& m_docs;
  mutable HostPhaseTimes m_phaseTimes;
};
