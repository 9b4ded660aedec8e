#pragma once

#include "OdResult.h"
#include "OdTimeStamp.h"
#include "RxObject.h"

namespace OdFile {
// Access asked of a file; none of them asks only whether it exists.
enum AccessMode : unsigned { kRead = 0x80000000u, kWrite = 0x40000000u };
}

// What the library asks of the operating system about files.
class OdRxSystemServices : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdRxSystemServices);

 public:
  // Whether the file exists and the process may access it as asked
  // (OdFile::kRead, OdFile::kWrite, or 0 for existence alone).
  virtual bool accessFile(const OdString& path, unsigned accessMode) const;
  bool fileExists(const OdString& path) const { return accessFile(path, 0); }
  // The file's last modification, in universal time: eFileNotFound for a
  // missing file, eFileAccessErr when it cannot be examined.
  virtual OdResult getFileMTime(const OdString& path, OdTimeStamp& mtime) const;
};

// The services of the process; lives as long as the library.
OdRxSystemServices* odrxSystemServices();
