#pragma once

#include "DbDatabase.h"

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

 private:
  HostDocManager& m_docs;
};
