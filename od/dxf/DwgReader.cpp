#include "DwgReader.h"

#include "DbBlockTableRecord.h"
#include "DbSymbolTable.h"
#include "DxfReader.h"
#include "OdError.h"

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A conversion past these is taken as hung or runaway and stopped.
constexpr auto kTimeLimit = std::chrono::seconds(300);
constexpr long long kMemoryLimitBytes = 6LL << 30;

// The converter reads DWG from R13 on; older files come out malformed or empty.
constexpr std::string_view kOldestConverted = "AC1012";
const char kVersionsRead[] = "DWG is read from R13 (AC1012) to 2018 (AC1032)";

std::string converterDir() {
  if (const char* dir = std::getenv("OD_DWG_CONVERTER"); dir && *dir) return dir;
  return OD_DWG_CONVERTER_DIR;
}

std::string converterScript() { return converterDir() + "/dwg2dxf.mjs"; }

long long residentBytes(pid_t pid) {
  std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
  long long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// The last non-empty line the converter wrote, cut to a readable length.
std::string lastLineOf(const std::string& path) {
  std::ifstream in(path);
  std::string line, last;
  while (std::getline(in, line))
    if (line.find_first_not_of(" \t\r") != std::string::npos) last = line;
  if (last.size() > 200) last = last.substr(0, 200) + "...";
  for (char& c : last)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return last;
}

// A private file name in the temporary folder, removed when this goes.
class TemporaryFile {
 public:
  explicit TemporaryFile(const char* suffix) {
    std::string pattern = (std::filesystem::temp_directory_path() / "od-dwg-XXXXXX").string() + suffix;
    m_path.assign(pattern.begin(), pattern.end());
    m_path.push_back('\0');
    int fd = mkstemps(m_path.data(), static_cast<int>(std::strlen(suffix)));
    if (fd < 0) throw OdError(eCantOpenFile, "cannot make a temporary file for the DWG conversion");
    ::close(fd);
  }
  ~TemporaryFile() { std::remove(m_path.data()); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  std::string path() const { return m_path.data(); }

 private:
  std::vector<char> m_path;
};

// Runs node with the arguments, its output into the log, within the time and
// memory limits; what went wrong (the program's last words), else empty.
std::string runNode(const std::vector<std::string>& arguments, const std::string& log) {
  std::vector<char*> argv{const_cast<char*>("node")};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid < 0) return "cannot start Node.js";
  if (pid == 0) {
    int out = ::open(log.c_str(), O_WRONLY | O_TRUNC);
    if (out >= 0) {
      dup2(out, STDOUT_FILENO);
      dup2(out, STDERR_FILENO);
    }
    execvp("node", argv.data());
    _exit(127);
  }
  auto start = std::chrono::steady_clock::now();
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    bool late = std::chrono::steady_clock::now() - start > kTimeLimit;
    bool large = residentBytes(pid) > kMemoryLimitBytes;
    if (late || large) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return late ? "the converter took longer than " + std::to_string(kTimeLimit.count()) + " s"
                  : "the converter needed more than " + std::to_string(kMemoryLimitBytes >> 30) + " GB of memory";
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::string();
  if (WIFEXITED(status) && WEXITSTATUS(status) == 127) return "Node.js is not installed";
  std::string said = lastLineOf(log);
  return said.empty() ? "the converter stopped (status " + std::to_string(status) + ")" : said;
}

std::string convert(const std::string& dwg, const std::string& dxf, const std::string& log) {
  // Node's optimising compiler spends seconds on the converter's code for no gain on one drawing.
  return runNode({"--liftoff-only", converterScript(), dwg, dxf}, log);
}

// The converter writes a date's time of day as seconds written out in
// decimals (day 2461012 at 34,039 s comes as 2461012.34039), and the local
// dates as the universal ones. Both become Julian dates, local as universal.
void decodeDates(OdDbDatabase* db) {
  for (const char* name : {"$TDCREATE", "$TDUCREATE", "$TDUPDATE", "$TDUUPDATE"}) {
    const OdDbDatabase::HeaderVariable* variable = db->headerVariable(name);
    if (!variable || variable->groups.size() != 1) continue;
    double written = std::strtod(variable->groups.front().text.c_str(), nullptr);
    double day = std::floor(written), seconds = std::round((written - day) * 1e5 * 1000) / 1000;
    if (day <= 0 || seconds >= 86400) continue;
    char text[40];
    std::snprintf(text, sizeof text, "%.9f", day + seconds / 86400);
    db->setHeaderString(name, 40, OdString(text));
  }
}

// The converter writes every layer as switched off; a drawing of only hidden
// layers is not what its author saw, so all are shown.
void switchLayersOn(OdDbDatabase* db) {
  for (OdDbObjectId id : db->layerTable()->records()) {
    OdDbObjectPtr record = id.openObject(OdDb::kForWrite);
    if (auto* layer = dynamic_cast<OdDbLayerTableRecord*>(record.get()); layer && layer->isOff()) layer->setIsOff(false);
  }
}

size_t entityCount(OdDbDatabase* db) {
  OdDbObjectPtr modelSpace = db->getModelSpaceId().openObject();
  auto* block = dynamic_cast<OdDbBlockTableRecord*>(modelSpace.get());
  return block ? block->entityIds().size() : 0;
}

}  // namespace

std::string odDwgVersionOf(std::string_view head) {
  if (head.size() < 6 || head.substr(0, 2) != "AC") return std::string();
  for (char c : head.substr(2, 4))
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.') return std::string();
  return std::string(head.substr(0, 6));
}

bool odDwgConverterAvailable() {
  if (!std::filesystem::is_directory(converterDir() + "/node_modules/@mlightcad/libredwg-web")) return false;
  TemporaryFile output(".txt");
  if (!runNode({"--version"}, output.path()).empty()) return false;
  std::ifstream in(output.path());
  char v = 0;
  int major = 0;
  in >> v >> major;
  return v == 'v' && major >= 20;
}

OdDbDatabasePtr odDwgReadFile(const OdString& path) {
  std::ifstream in(path.utf8(), std::ios::binary);
  char head[6] = {};
  in.read(head, sizeof head);
  std::string version = odDwgVersionOf(std::string_view(head, static_cast<size_t>(in.gcount())));
  auto fail = [&](const std::string& why) {
    return OdError(eDwgNeedsRecovery, path + ": cannot read DWG " + OdString(version) + " drawing: " + OdString(why));
  };
  if (version.empty()) throw OdError(eNotThatKindOfClass, path + ": not a DWG drawing");
  if (version < kOldestConverted || version[2] != '1') throw OdError(eInvalidFileVersion, fail(kVersionsRead).description());
  if (!std::filesystem::is_regular_file(converterScript()))
    throw fail("the DWG converter is not installed (./run deps installs it)");
  TemporaryFile dxf(".dxf"), log(".log");
  if (std::string problem = convert(path.utf8(), dxf.path(), log.path()); !problem.empty()) throw fail(problem);
  OdDbDatabasePtr db;
  try {
    db = odDxfReadFile(OdString(dxf.path()));
  } catch (const OdError& e) {
    std::string said = e.description().utf8();
    throw fail("the converter wrote a malformed DXF (" + said.substr(said.find(": ") + 2) + ")");
  }
  if (entityCount(db.get()) == 0 && std::filesystem::file_size(path.utf8()) > 64 * 1024)
    throw fail("the converter gave a drawing with no entities");
  decodeDates(db.get());
  switchLayersOn(db.get());
  db->setOriginalFileVersion(OdString(version));
  return db;
}
