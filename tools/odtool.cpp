// odtool: looks into drawings and rewrites them with the drawing library.
//   odtool info FILE             prints a JSON summary of the drawing
//   odtool roundtrip IN OUT      reads IN and writes it as DXF to OUT
//   odtool bind FILE1 FILE2 OUT  binds both drawings as blocks FILE1 and FILE2 of a new
//                                drawing, each inserted at the origin, and writes it to OUT
// Exit status: 0 done, 1 an input or output failed, 2 a wrong command line.

#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbIdMapping.h"
#include "DbXRefMan.h"
#include "DrawingFile.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "HostAppServices.h"
#include "HostOutputTransaction.h"
#include "HostVersion.h"
#include "OdtoolArguments.h"
#include "RxEvent.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// The program ends after info: its exit gives the memory back at once, where
// freeing the database object by object would take a tenth of the reading.
OdDbDatabase* keptToExit = nullptr;

int info(const char* path) {
  hostRequireInputFile(OdString(path));
  OdDbDatabasePtr db = odReadDrawingFile(OdString(path));
  std::map<const OdRxClass*, int> byClass;  // named once per class, not once per entity
  OdDbBlockTableRecordPtr ms = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  const OdDbObjectIdArray& ids = ms->entityIds();
  for (size_t i = 0; i < ids.size(); ++i) {
    odPrefetchAhead(ids, i);
    if (OdDbObjectPtr e = ids[i].openObject()) ++byClass[e->isA()];
  }
  std::map<std::string, int> modelSpace;
  for (const auto& [cls, count] : byClass) modelSpace[cls->name().utf8()] += count;
  if (OdString note = HostAppServices::repairNote(OdString(path), db.get()); !note.isEmpty())
    std::fprintf(stderr, "odtool: %s\n", note.utf8().c_str());
  std::printf("{\n  \"version\": %s,\n  \"codepage\": %s,\n  \"objects\": %zu,\n  \"repairs\": %zu,\n  \"modelSpace\": {",
              jsonString(db->originalFileVersion().utf8()).c_str(), jsonString(db->codePage().utf8()).c_str(),
              db->objectCount(), db->readRepairs());
  const char* separator = "\n";
  for (const auto& [name, count] : modelSpace) {
    std::printf("%s    %s: %d", separator, jsonString(name).c_str(), count);
    separator = ",\n";
  }
  std::printf("%s}\n}\n", modelSpace.empty() ? "" : "\n  ");
  keptToExit = db.detach();
  return 0;
}

// The output, checked against the inputs before any work, written only when all went well.
class Output {
 public:
  Output(const std::vector<const char*>& inputs, const char* path) : m_path(path) {
    for (const char* input : inputs) {
      hostRequireInputFile(OdString(input));
      m_run.addInputs({OdString(input)});
    }
    m_run.claim(OdString(path));
  }
  void write(OdDbDatabase* db) {
    m_run.writeInPieces(OdString(m_path), [&](const HostOutputPut& put) { odDxfSave(db, OdString(m_path), put); });
    m_run.commit();
  }

 private:
  HostOutputTransaction m_run;
  const char* m_path;
};

int roundtrip(const char* in, const char* out) {
  Output output({in}, out);
  OdDbDatabasePtr db = odReadDrawingFile(OdString(in));
  output.write(db.get());
  return 0;
}

// Counts the id pairs of each deep clone's mapping.
class ClonePairCounter : public OdRxEventReactor {
 public:
  ClonePairCounter() { odrxEvent()->addReactor(this); }
  ~ClonePairCounter() override { odrxEvent()->removeReactor(this); }
  void endDeepClone(OdDbIdMapping& mapping) override {
    size_t n = 0;
    for (OdDbIdMappingIterPtr it = mapping.newIterator(); !it->done(); it->next()) ++n;
    pairs.push_back(n);
  }
  std::vector<size_t> pairs;
};

void bindAtOrigin(OdDbDatabase* db, const char* path, const char* blockName) {
  OdDbBlockTableRecordPtr block =
      OdDbXRefManExt::addNewXRefDefBlock(db, OdString(path), OdString(blockName), false);
  if (!block) throw OdError(eInvalidInput, OdString("cannot make the block ") + blockName);
  OdDbXRefMan::load(block.get());
  OdDbXRefMan::bind(block.get());
  OdDbBlockReferencePtr reference = OdDbBlockReference::createObject();
  reference->setDatabaseDefaults(db);
  reference->setBlockTableRecord(block->objectId());
  reference->setPosition(OdGePoint3d(0, 0, 0));
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject(OdDb::kForWrite).get());
  space->appendOdDbEntity(reference.get());
}

int bind(const char* first, const char* second, const char* out) {
  Output output({first, second}, out);
  ClonePairCounter counter;
  OdDbDatabasePtr db = OdDbDatabase::create();
  const char* names[] = {"FILE1", "FILE2"};
  const char* paths[] = {first, second};
  for (int i = 0; i < 2; ++i) bindAtOrigin(db.get(), paths[i], names[i]);
  output.write(db.get());
  for (size_t i = 0; i < counter.pairs.size() && i < 2; ++i)
    std::printf("%s %s: %zu id pairs\n", names[i], paths[i], counter.pairs[i]);
  return 0;
}

int usage(const char* problem) {
  std::fprintf(stderr, "odtool: %s\nusage: odtool info FILE | odtool roundtrip IN OUT.dxf | odtool bind FILE1 FILE2 OUT.dxf"
               " | odtool --version\n", problem);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::printf("odtool %s\n", kHostVersion);
    return 0;
  }
  OdtoolCommand command;
  if (std::string problem = parseOdtoolArguments(argc, argv, command); !problem.empty()) return usage(problem.c_str());
  const std::vector<std::string>& files = command.files;
  try {
    if (command.name == "info") return info(files[0].c_str());
    if (command.name == "roundtrip") return roundtrip(files[0].c_str(), files[1].c_str());
    return bind(files[0].c_str(), files[1].c_str(), files[2].c_str());
  } catch (const OdError& e) {
    std::fprintf(stderr, "odtool: %s\n", e.description().utf8().c_str());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "odtool: %s: %s\n", files[0].c_str(), e.what());
    return 1;
  }
}
