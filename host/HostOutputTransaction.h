#pragma once

#include "OdString.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// An output made piece by piece: it hands each piece to put as it is made,
// so that a large file is never whole in memory.
using HostOutputPut = std::function<void(std::string_view piece)>;
using HostOutputPieces = std::function<void(const HostOutputPut& put)>;

// The files one run writes, all of them or none. An output that is one of
// the inputs (the same file, links resolved) or that another output already
// names is refused, naming the file, when it is claimed: programs claim their
// outputs before any work. Each output is written to a temporary file in its
// target's folder; commit renames them all into place, and a transaction
// ended without commit removes its temporary files.
//
// While a transaction lives it is the current one: hostWriteOutput writes
// into it, so commands run on behalf of a program join the program's run.
class HostOutputTransaction {
 public:
  explicit HostOutputTransaction(const std::vector<OdString>& inputs = {});
  ~HostOutputTransaction();
  HostOutputTransaction(const HostOutputTransaction&) = delete;
  HostOutputTransaction& operator=(const HostOutputTransaction&) = delete;

  // Files no output may replace; those that do not exist are left out.
  void addInputs(const std::vector<OdString>& inputs);
  // Throws OdError naming the file when it cannot be an output of this run.
  void claim(const OdString& path);
  // Writes the bytes to a temporary file for path, claiming it when not yet
  // claimed; throws OdError naming the file when that fails. The bytes are
  // made only once the output is known to be allowed.
  void write(const OdString& path, const std::function<std::string()>& bytes);
  // The same, the output made in pieces.
  void writeInPieces(const OdString& path, const HostOutputPieces& pieces);
  // Moves every written output into place; throws OdError naming the file that could not be.
  void commit();

  // The innermost live transaction, or null.
  static HostOutputTransaction* current();

 private:
  struct FileId {
    unsigned long device = 0, inode = 0;
    bool operator==(const FileId&) const = default;
  };
  struct Input {
    std::string path;
    FileId id;
  };
  struct Output {
    std::string path;
    FileId folder;
    std::string name;
    std::string temp;  // empty until written
  };
  static bool idOf(const std::string& path, FileId& id);
  Output located(const std::string& path) const;
  Output* find(const Output& location);
  void refuseInputs(const std::string& path) const;
  void discard();

  std::vector<Input> m_inputs;
  std::vector<Output> m_outputs;
  HostOutputTransaction* m_outer;
};

// Writes one output: into the current transaction, else at once through a
// transaction of its own. Either way the file must not be one of the inputs.
void hostWriteOutput(const OdString& path, const std::function<std::string()>& bytes,
                     const std::vector<OdString>& inputs = {});
void hostWriteOutputInPieces(const OdString& path, const HostOutputPieces& pieces,
                             const std::vector<OdString>& inputs = {});

// Whether the file name ends in the extension (".dxf"), in any case.
bool hostHasExtension(const OdString& path, const char* extension);

// Throws OdError naming the file unless it is a readable file: "file not
// found", "is a directory", a name too long, no permission.
void hostRequireInputFile(const OdString& path);
