#pragma once

#include "DbDatabase.h"
#include "HostCommandLine.h"

#include <functional>
#include <memory>
#include <vector>

class HostGsDevice;

// One open drawing: its database, the file it came from or goes to, its
// command line and the graphics device of its view.
class HostDocument {
 public:
  using ExecuteSink = std::function<void(const OdString&)>;

  HostDocument(OdDbDatabasePtr database, const OdString& filePath, const OdString& name, bool echo,
               ExecuteSink execute);
  ~HostDocument();
  HostDocument(const HostDocument&) = delete;
  HostDocument& operator=(const HostDocument&) = delete;

  OdDbDatabase* database() const { return m_database.get(); }
  // Empty until the drawing was read from or saved to a file.
  const OdString& filePath() const { return m_filePath; }
  void setFilePath(const OdString& path) { m_filePath = path; }
  // The name shown to the user ("Drawing1.dxf", or the file's name).
  const OdString& name() const { return m_name; }
  void setName(const OdString& name) { m_name = name; }

  // Files the drawing was made from besides its own (a comparison's two
  // files): no output may replace them while it is open.
  const std::vector<OdString>& sourceFiles() const { return m_sourceFiles; }
  void addSourceFile(const OdString& path) { m_sourceFiles.push_back(path); }

  HostCommandLine& commandLine() { return m_commandLine; }
  // Types the text as a command line when the running command has ended
  // (at once when none is running).
  void sendStringToExecute(const OdString& text);

  // The device of the document's view, made when first asked for (its view
  // then shows all of the drawing).
  HostGsDevice* device();
  bool hasDevice() const { return m_device != nullptr; }

 private:
  OdDbDatabasePtr m_database;
  OdString m_filePath;
  OdString m_name;
  std::vector<OdString> m_sourceFiles;
  HostCommandLine m_commandLine;
  ExecuteSink m_execute;
  std::unique_ptr<HostGsDevice> m_device;  // after the database: it goes first
};
