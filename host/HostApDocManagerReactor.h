#pragma once

#include "OdString.h"

class HostDocument;

// Observer of the documents of a HostDocManager. Every notification does
// nothing unless overridden; the manager does not own its reactors.
class HostApDocManagerReactor {
 public:
  virtual ~HostApDocManagerReactor() = default;

  virtual void documentCreated(HostDocument*) {}
  virtual void documentToBeDestroyed(HostDocument*) {}
  // After the document is gone; only its file name is left.
  virtual void documentDestroyed(const OdString& /*fileName*/) {}
  // The document may be null when the last one was closed.
  virtual void documentBecameCurrent(HostDocument*) {}
};
