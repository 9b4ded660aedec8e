// libFuzzer target over the host's profile reader (tools/fuzz.sh --target
// profile). Any file reads, its bad lines reported; a profile written after a
// change must read again without a problem and keep the change.

#include "HostProfile.h"
#include "OdFileWrite.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
// One file per process, so that parallel workers do not share it.
const OdString& profilePath() {
  static const OdString path(("/tmp/profile-fuzz-" + std::to_string(getpid())).c_str());
  return path;
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "the written profile %s\n", what);
  std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  odWriteFileAtomically(profilePath(), std::string(reinterpret_cast<const char*>(data), size));
  {
    HostProfile profile(profilePath());
    IProfileSection* section = profile.openSection("fuzz/written", true);
    bool set = section && section->setString("Check", L"a \"quoted\"\nline");
    if (section) section->release();
    if (!set || !profile.flush()) fail("could not be written");
  }
  HostProfile again(profilePath());
  if (!again.problems().empty()) {
    std::fprintf(stderr, "%s\n", again.problems().front().utf8().c_str());
    fail("does not read");
  }
  IProfileSection* section = again.openSection("fuzz/written", false);
  const wchar_t* value = section ? section->getString("Check") : nullptr;
  bool kept = value && std::wstring(value) == L"a \"quoted\"\nline";
  if (section) section->release();
  if (!kept) fail("lost the change");
  return 0;
}
