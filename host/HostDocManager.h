#pragma once

#include "HostApDocManagerReactor.h"
#include "HostDocument.h"
#include "OdResult.h"

#include <memory>
#include <vector>

// The open documents and which one is current.
class HostDocManager {
 public:
  explicit HostDocManager(bool echo = false);
  ~HostDocManager();
  HostDocManager(const HostDocManager&) = delete;
  HostDocManager& operator=(const HostDocManager&) = delete;

  HostDocument* curDocument() const { return m_current; }
  void setCurDocument(HostDocument* doc);
  std::vector<HostDocument*> documents() const;

  void addReactor(HostApDocManagerReactor* reactor);
  void removeReactor(HostApDocManagerReactor* reactor);

  // A new empty drawing, made current; *made (when given) receives it.
  OdResult newDocument(HostDocument** made = nullptr);
  // Reads a DXF file into a new current document; throws OdError naming the file.
  HostDocument* openDocument(const OdString& path);
  // Writes the document's DXF file atomically; throws OdError naming the file,
  // or when the document has no file yet.
  void save(HostDocument* doc);
  // Writes to path, which becomes the document's file and name.
  // Refuses a name that does not end in .dxf and a file that protectedFiles names.
  void saveAs(HostDocument* doc, const OdString& path);
  // The files outputs must not replace: those the open drawings were read
  // from or made from, except the file of the drawing given (saving it
  // again is what SAVE is for).
  std::vector<OdString> protectedFiles(const HostDocument* saved = nullptr) const;
  void closeDocument(HostDocument* doc);
  void closeAll();

  // Write locks are taken by commands that change a document; they nest.
  void lockDocument(HostDocument* doc, const OdString& commandName);
  void unlockDocument(HostDocument* doc);
  bool isLocked(HostDocument* doc) const;
  // The command holding the outermost lock, or empty.
  OdString lockingCommand(HostDocument* doc) const;

  // The current document's command line, or the application's when there is none.
  HostCommandLine& commandLine();
  void print(const OdString& text) { commandLine().print(text); }

  // Where sendStringToExecute of every document goes.
  void setExecuteSink(HostDocument::ExecuteSink sink) { m_execute = std::move(sink); }
  void setEcho(bool echo);
  // Hears every line printed on the documents' command lines and the
  // application's, of documents made later too. Null for none.
  void setCommandLineObserver(HostCommandLineObserver* observer);
  // The window that shows the documents; null without one.
  void* mainWindowHandle() const { return m_mainWindow; }
  void setMainWindowHandle(void* handle) { m_mainWindow = handle; }

 private:
  struct Lock {
    HostDocument* doc;
    OdString command;
    int depth;
  };
  HostDocument* adopt(OdDbDatabasePtr db, const OdString& path, const OdString& name);
  template <class Call>
  void fire(const Call& call);

  std::vector<std::unique_ptr<HostDocument>> m_documents;
  HostDocument* m_current = nullptr;
  std::vector<HostApDocManagerReactor*> m_reactors;
  std::vector<Lock> m_locks;
  HostCommandLine m_general;
  HostDocument::ExecuteSink m_execute;
  void* m_mainWindow = nullptr;
  HostCommandLineObserver* m_commandLineObserver = nullptr;
  bool m_echo;
  int m_untitled = 0;
};

// Holds a document's write lock for a command while in scope.
class HostDocLock {
 public:
  HostDocLock(HostDocManager& docs, HostDocument* doc, const OdString& commandName) : m_docs(docs), m_doc(doc) {
    m_docs.lockDocument(doc, commandName);
  }
  ~HostDocLock() { m_docs.unlockDocument(m_doc); }
  HostDocLock(const HostDocLock&) = delete;
  HostDocLock& operator=(const HostDocLock&) = delete;

 private:
  HostDocManager& m_docs;
  HostDocument* m_doc;
};
