#include "HostDocument.h"

#include "HostGsDevice.h"

HostDocument::HostDocument(OdDbDatabasePtr database, const OdString& filePath, const OdString& name, bool echo,
                           ExecuteSink execute)
    : m_database(std::move(database)),
      m_filePath(filePath),
      m_name(name),
      m_commandLine(echo),
      m_execute(std::move(execute)) {}

HostDocument::~HostDocument() = default;

void HostDocument::sendStringToExecute(const OdString& text) {
  if (m_execute) m_execute(text);
}

HostGsDevice* HostDocument::device() {
  if (!m_device) m_device = std::make_unique<HostGsDevice>(m_database.get());
  return m_device.get();
}
