#include "HostDocManager.h"

#include "HostAppServices.h"
#include "HostOutputTransaction.h"

#include "DxfReader.h"
#include "DxfWriter.h"
#include "OdError.h"

#include <algorithm>
#include <filesystem>

namespace {
OdString fileNameOf(const OdString& path) { return OdString(std::filesystem::path(path.utf8()).filename().string()); }
}  // namespace

HostDocManager::HostDocManager(bool echo) : m_general(echo), m_echo(echo) {}

HostDocManager::~HostDocManager() { closeAll(); }

template <class Call>
void HostDocManager::fire(const Call& call) {
  // Reactors may remove themselves while notified.
  const std::vector<HostApDocManagerReactor*> snapshot = m_reactors;
  for (HostApDocManagerReactor* r : snapshot)
    if (std::find(m_reactors.begin(), m_reactors.end(), r) != m_reactors.end()) call(r);
}

void HostDocManager::addReactor(HostApDocManagerReactor* reactor) {
  if (reactor && std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end())
    m_reactors.push_back(reactor);
}

void HostDocManager::removeReactor(HostApDocManagerReactor* reactor) { std::erase(m_reactors, reactor); }

std::vector<HostDocument*> HostDocManager::documents() const {
  std::vector<HostDocument*> out;
  for (const auto& d : m_documents) out.push_back(d.get());
  return out;
}

void HostDocManager::setCurDocument(HostDocument* doc) {
  if (doc == m_current) return;
  m_current = doc;
  fire([&](HostApDocManagerReactor* r) { r->documentBecameCurrent(doc); });
}

HostDocument* HostDocManager::adopt(OdDbDatabasePtr db, const OdString& path, const OdString& name) {
  auto sink = [this](const OdString& text) { if (m_execute) m_execute(text); };
  m_documents.push_back(std::make_unique<HostDocument>(std::move(db), path, name, m_echo, sink));
  HostDocument* doc = m_documents.back().get();
  doc->commandLine().setObserver(m_commandLineObserver);
  fire([&](HostApDocManagerReactor* r) { r->documentCreated(doc); });
  setCurDocument(doc);
  return doc;
}

OdResult HostDocManager::newDocument(HostDocument** made) {
  HostDocument* doc = adopt(OdDbDatabase::create(), OdString(), OdString::format("Drawing%d.dxf", ++m_untitled));
  if (made) *made = doc;
  return eOk;
}

HostDocument* HostDocManager::openDocument(const OdString& path) {
  OdDbDatabasePtr db = HostAppServices::readDrawing(path);
  if (OdString note = HostAppServices::repairNote(path, db.get()); !note.isEmpty()) print(note);
  return adopt(db, path, fileNameOf(path));
}

void HostDocManager::save(HostDocument* doc) {
  if (!doc) throw OdError(eInvalidInput, "No drawing to save");
  if (doc->filePath().isEmpty()) throw OdError(eInvalidInput, doc->name() + ": has no file yet; use SAVEAS");
  hostWriteOutputInPieces(doc->filePath(), [&](const HostOutputPut& put) { odDxfSave(doc->database(), doc->filePath(), put); },
                          protectedFiles(doc));
}

void HostDocManager::saveAs(HostDocument* doc, const OdString& path) {
  if (!doc) throw OdError(eInvalidInput, "No drawing to save");
  if (path.isEmpty()) throw OdError(eInvalidInput, "No file name given to save " + doc->name());
  if (!hostHasExtension(path, ".dxf"))
    throw OdError(eInvalidInput, path + ": a drawing is saved as DXF; the file name must end in .dxf");
  hostWriteOutputInPieces(path, [&](const HostOutputPut& put) { odDxfSave(doc->database(), path, put); }, protectedFiles(doc));
  doc->database()->setFilename(path);
  doc->setFilePath(path);
  doc->setName(fileNameOf(path));
}

std::vector<OdString> HostDocManager::protectedFiles(const HostDocument* saved) const {
  std::vector<OdString> files;
  for (const auto& doc : m_documents) {
    if (doc.get() != saved) files.push_back(doc->filePath());
    files.insert(files.end(), doc->sourceFiles().begin(), doc->sourceFiles().end());
  }
  return files;
}

void HostDocManager::closeDocument(HostDocument* doc) {
  auto it = std::find_if(m_documents.begin(), m_documents.end(), [&](const auto& d) { return d.get() == doc; });
  if (it == m_documents.end()) return;
  fire([&](HostApDocManagerReactor* r) { r->documentToBeDestroyed(doc); });
  OdString fileName = doc->filePath().isEmpty() ? doc->name() : doc->filePath();
  std::erase_if(m_locks, [&](const Lock& l) { return l.doc == doc; });
  std::unique_ptr<HostDocument> gone = std::move(*it);
  m_documents.erase(it);
  if (m_current == doc) m_current = nullptr;
  gone.reset();
  fire([&](HostApDocManagerReactor* r) { r->documentDestroyed(fileName); });
  if (!m_current && !m_documents.empty()) setCurDocument(m_documents.back().get());
  else if (!m_current) fire([&](HostApDocManagerReactor* r) { r->documentBecameCurrent(nullptr); });
}

void HostDocManager::closeAll() {
  while (!m_documents.empty()) closeDocument(m_documents.back().get());
}

void HostDocManager::lockDocument(HostDocument* doc, const OdString& commandName) {
  for (Lock& l : m_locks)
    if (l.doc == doc) { ++l.depth; return; }
  m_locks.push_back({doc, commandName, 1});
}

void HostDocManager::unlockDocument(HostDocument* doc) {
  auto it = std::find_if(m_locks.begin(), m_locks.end(), [&](const Lock& l) { return l.doc == doc; });
  if (it != m_locks.end() && --it->depth == 0) m_locks.erase(it);
}

bool HostDocManager::isLocked(HostDocument* doc) const {
  return std::any_of(m_locks.begin(), m_locks.end(), [&](const Lock& l) { return l.doc == doc; });
}

OdString HostDocManager::lockingCommand(HostDocument* doc) const {
  for (const Lock& l : m_locks)
    if (l.doc == doc) return l.command;
  return OdString();
}

HostCommandLine& HostDocManager::commandLine() { return m_current ? m_current->commandLine() : m_general; }

void HostDocManager::setEcho(bool echo) {
  m_echo = echo;
  m_general.setEcho(echo);
  for (auto& d : m_documents) d->commandLine().setEcho(echo);
}

void HostDocManager::setCommandLineObserver(HostCommandLineObserver* observer) {
  m_commandLineObserver = observer;
  m_general.setObserver(observer);
  for (auto& d : m_documents) d->commandLine().setObserver(observer);
}
