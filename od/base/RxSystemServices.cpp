#include "RxSystemServices.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

ODRX_DEFINE_NAMED(OdRxSystemServices, "OdRxSystemServices", OdRxObject, "", nullptr)

bool OdRxSystemServices::accessFile(const OdString& path, unsigned accessMode) const {
  int mode = F_OK;
  if (accessMode & OdFile::kRead) mode |= R_OK;
  if (accessMode & OdFile::kWrite) mode |= W_OK;
  return ::access(path.utf8().c_str(), mode) == 0;
}

OdResult OdRxSystemServices::getFileMTime(const OdString& path, OdTimeStamp& mtime) const {
  struct stat st{};
  if (::stat(path.utf8().c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? eFileNotFound : eFileAccessErr;
  uint64_t msec = static_cast<uint64_t>(int64_t(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
  mtime.setPackedValue(msec);
  return eOk;
}

OdRxSystemServices* odrxSystemServices() {
  static OdStaticRxObject<OdRxSystemServices> services;
  return &services;
}
