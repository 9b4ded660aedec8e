#include "HostOutputTransaction.h"

#include "OdError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

namespace {
HostOutputTransaction* g_current = nullptr;
int g_temporaries = 0;

[[noreturn]] void refuse(const std::string& path, const std::string& why, OdResult code = eFileWriteError) {
  throw OdError(code, OdString(path + ": " + why));
}

std::string errnoText() { return std::strerror(errno); }

// Paths stay as given (relative ones too): a working folder deeper than
// PATH_MAX has no usable absolute path.
std::string folderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}
}  // namespace

HostOutputTransaction::HostOutputTransaction(const std::vector<OdString>& inputs) : m_outer(g_current) {
  g_current = this;
  addInputs(inputs);
}

HostOutputTransaction::~HostOutputTransaction() {
  discard();
  g_current = m_outer;
}

HostOutputTransaction* HostOutputTransaction::current() { return g_current; }

bool HostOutputTransaction::idOf(const std::string& path, FileId& id) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  id = {static_cast<unsigned long>(st.st_dev), static_cast<unsigned long>(st.st_ino)};
  return true;
}

void HostOutputTransaction::addInputs(const std::vector<OdString>& inputs) {
  for (const OdString& input : inputs) {
    FileId id;
    if (!input.isEmpty() && idOf(input.utf8(), id)) m_inputs.push_back({input.utf8(), id});
  }
}

// Where the output goes: its folder, as a file identity, and its name there.
HostOutputTransaction::Output HostOutputTransaction::located(const std::string& path) const {
  if (path.empty()) throw OdError(eInvalidInput, "no output file name given");
  std::filesystem::path name = std::filesystem::path(path).filename();
  if (name.empty() || name == "." || name == "..") refuse(path, "is a directory");
  if (name.string().size() > NAME_MAX) refuse(path, "cannot write: the file name is longer than 255 bytes");
  std::string folder = folderOf(path);
  Output output{path, {}, name.string(), {}};
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0)
    refuse(path, errno == ENOENT ? "cannot write: folder " + folder + " not found" : "cannot write: " + errnoText());
  if (!S_ISDIR(st.st_mode)) refuse(path, "cannot write: " + folder + " is not a folder");
  output.folder = {static_cast<unsigned long>(st.st_dev), static_cast<unsigned long>(st.st_ino)};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) refuse(path, "is a directory");
  return output;
}

HostOutputTransaction::Output* HostOutputTransaction::find(const Output& location) {
  FileId id, other;
  bool exists = idOf(location.path, id);
  for (Output& output : m_outputs) {
    bool sameName = output.folder == location.folder && output.name == location.name;
    if (sameName || (exists && idOf(output.path, other) && other == id)) return &output;
  }
  return nullptr;
}

void HostOutputTransaction::refuseInputs(const std::string& path) const {
  FileId id;
  if (!idOf(path, id)) return;
  for (const Input& input : m_inputs)
    if (input.id == id) refuse(path, "refused as an output: it is the input " + input.path, eInvalidInput);
}

void HostOutputTransaction::claim(const OdString& path) {
  Output location = located(path.utf8());
  refuseInputs(location.path);
  if (const Output* other = find(location))
    refuse(location.path, "refused as an output: the output " + other->path + " is the same file", eInvalidInput);
  m_outputs.push_back(location);
}

void HostOutputTransaction::write(const OdString& path, const std::function<std::string()>& bytes) {
  writeInPieces(path, [&](const HostOutputPut& put) { put(bytes()); });
}

void HostOutputTransaction::writeInPieces(const OdString& path, const HostOutputPieces& pieces) {
  Output location = located(path.utf8());
  refuseInputs(location.path);
  if (const Output* output = find(location); output && !output->temp.empty())
    refuse(location.path, "refused as an output: this run writes it already", eInvalidInput);
  // A short name of its own: the target's name may already take the whole
  // length a name can have.
  std::string temp = folderOf(location.path) + "/.out-" + std::to_string(::getpid()) + "-" +
                     std::to_string(++g_temporaries) + ".tmp";
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) refuse(location.path, "cannot write: " + errnoText());
  // Whatever stops the writing, even an error of what makes the pieces, the temporary file goes.
  struct TemporaryFile {
    int fd;
    const std::string& path;
    bool kept = false;
    ~TemporaryFile() {
      if (fd >= 0) ::close(fd);
      if (!kept) ::unlink(path.c_str());
    }
  } file{fd, temp};
  // A piece that cannot be written stops the making of the rest.
  pieces([&](std::string_view piece) {
    if (!writeAll(file.fd, piece)) refuse(location.path, "cannot write: " + errnoText());
  });
  if (::fsync(file.fd) != 0) refuse(location.path, "cannot write: " + errnoText());
  if (::close(std::exchange(file.fd, -1)) != 0) refuse(location.path, "cannot write: " + errnoText());
  file.kept = true;
  Output* output = find(location);
  if (!output) output = &m_outputs.emplace_back(location);
  output->temp = temp;
}

void HostOutputTransaction::commit() {
  for (Output& output : m_outputs) {
    if (output.temp.empty()) continue;
    if (std::rename(output.temp.c_str(), output.path.c_str()) != 0) {
      std::string why = errnoText();
      discard();
      refuse(output.path, "cannot write: " + why);
    }
    output.temp.clear();
  }
}

void HostOutputTransaction::discard() {
  for (Output& output : m_outputs) {
    if (!output.temp.empty()) ::unlink(output.temp.c_str());
    output.temp.clear();
  }
}

void hostWriteOutput(const OdString& path, const std::function<std::string()>& bytes,
                     const std::vector<OdString>& inputs) {
  hostWriteOutputInPieces(path, [&](const HostOutputPut& put) { put(bytes()); }, inputs);
}

void hostWriteOutputInPieces(const OdString& path, const HostOutputPieces& pieces, const std::vector<OdString>& inputs) {
  if (HostOutputTransaction* open = HostOutputTransaction::current()) {
    open->addInputs(inputs);
    open->writeInPieces(path, pieces);
    return;
  }
  HostOutputTransaction own(inputs);
  own.writeInPieces(path, pieces);
  own.commit();
}

bool hostHasExtension(const OdString& path, const char* extension) {
  std::string found = std::filesystem::path(path.utf8()).extension().string();
  std::string wanted = extension;
  return std::equal(found.begin(), found.end(), wanted.begin(), wanted.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

void hostRequireInputFile(const OdString& path) {
  std::string file = path.utf8();
  if (file.empty()) throw OdError(eInvalidInput, "no file name given to read");
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) refuse(file, "file not found", eFileNotFound);
    if (errno == ENAMETOOLONG) refuse(file, "file not found: the name is too long", eFileNotFound);
    refuse(file, "cannot read: " + errnoText(), eFileAccessErr);
  }
  if (S_ISDIR(st.st_mode)) refuse(file, "is a directory, not a file", eFileAccessErr);
  if (!S_ISREG(st.st_mode)) refuse(file, "is not a regular file", eFileAccessErr);
  if (::access(file.c_str(), R_OK) != 0) refuse(file, "cannot read: " + errnoText(), eFileAccessErr);
}
