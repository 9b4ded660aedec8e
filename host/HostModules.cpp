#include "HostModules.h"

#include "HostCommandRegistry.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
const void* baseOf(void* symbol) {
  Dl_info info{};
  return dladdr(symbol, &info) ? info.dli_fbase : nullptr;
}
}  // namespace

bool HostModules::load(const OdString& path, OdString& error) {
  std::string file = path.utf8();
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) {
    error = path + ": module not found";
    return false;
  }
  for (const Loaded& m : m_modules)
    if (fs::equivalent(m.path.utf8(), file, ec)) {
      error = path + ": module is already loaded";
      return false;
    }
  // A name without a slash would be looked for on the library path instead.
  std::string opened = file.find('/') == std::string::npos ? "./" + file : file;
  void* handle = dlopen(opened.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = path + ": cannot load module: " + OdString(dlerror());
    return false;
  }
  auto fail = [&](const OdString& why) {
    dlclose(handle);
    error = path + ": " + why;
    return false;
  };
  void* createSymbol = dlsym(handle, "odrxCreateModuleObject");
  auto create = reinterpret_cast<OdRxCreateModuleObjectFunc>(createSymbol);
  auto version = reinterpret_cast<OdRxGetAPIVersionFunc>(dlsym(handle, "odrxGetAPIVersion"));
  if (!create || !version) return fail("not a module: odrxCreateModuleObject or odrxGetAPIVersion is missing");
  int major = 0, minor = 0, majorBuild = 0, minorBuild = 0;
  version(major, minor, majorBuild, minorBuild);
  if (major != kHostApiMajorVersion)
    return fail(OdString::format("built for host version %d; this host is version %d", major, kHostApiMajorVersion));
  OdRxModulePtr module(create());
  if (!module) return fail("odrxCreateModuleObject made no module");
  const void* base = baseOf(createSymbol);
  try {
    module->initApp();
  } catch (const std::exception& e) {
    // Commands it added before it threw would outlive its code.
    m_commands.removeCommandsOf(base);
    module.release();
    return fail("initApp failed: " + OdString(e.what()));
  }
  m_modules.push_back({path, handle, base, module});
  return true;
}

std::vector<OdString> HostModules::loadFolder(const OdString& folder) {
  std::vector<OdString> errors;
  std::error_code ec;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder.utf8(), ec))
    if (entry.is_regular_file() && entry.path().extension() == ".so") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& f : files) {
    OdString error;
    if (!load(OdString(f.string()), error)) errors.push_back(error);
  }
  return errors;
}

void HostModules::unload(Loaded& m) {
  try {
    m.module->uninitApp();
  } catch (...) {
    // Unloading goes on: the process is ending or the module is going anyway.
  }
  m_commands.removeCommandsOf(m.base);
  m.module.release();
  dlclose(m.handle);
}

void HostModules::unloadAll() {
  while (!m_modules.empty()) {
    unload(m_modules.back());
    m_modules.pop_back();
  }
}

std::vector<OdString> HostModules::loaded() const {
  std::vector<OdString> out;
  for (const Loaded& m : m_modules) out.push_back(m.path);
  return out;
}

OdString HostModules::defaultFolder() {
  if (const char* env = std::getenv("CADHOST_MODULES"); env && *env) return OdString(env);
  std::error_code ec;
  fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return OdString("modules");
  return OdString((program.parent_path() / "modules").string());
}
