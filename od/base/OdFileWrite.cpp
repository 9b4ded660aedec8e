#include "OdFileWrite.h"

#include "OdError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

void odWriteFileAtomically(const OdString& path, std::string_view bytes) {
  std::string target = path.utf8();
  std::string temp = target + ".tmp" + std::to_string(::getpid());
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw OdError(eFileWriteError, path + ": cannot write: " + OdString(std::strerror(errno)));
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = (std::fflush(f) == 0) && ok;
  ok = (::fsync(fileno(f)) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
    std::string why = std::strerror(errno);
    std::remove(temp.c_str());
    throw OdError(eFileWriteError, path + ": cannot write: " + OdString(why));
  }
}
