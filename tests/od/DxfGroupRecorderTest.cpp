#include "CloneTestDrawing.h"
#include "DxfGroupRecorder.h"
#include "DxfObjectReader.h"
#include "DxfWriter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The groups of the record with the given handle in DXF text, its type excluded.
std::vector<std::pair<int, std::string>> writtenGroups(const std::string& dxf, const std::string& handle) {
  std::istringstream in(dxf);
  std::vector<std::pair<int, std::string>> all, record;
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) all.emplace_back(std::stoi(code), value);
  for (size_t i = 0; i + 1 < all.size(); ++i) {
    if (all[i].first != 0 || all[i + 1].first != 5 || all[i + 1].second != handle) continue;
    for (size_t k = i + 1; k < all.size() && all[k].first != 0; ++k) record.push_back(all[k]);
  }
  return record;
}

TEST(DxfGroupRecorder, KeepsTheGroupsAsTheDxfWriterWritesThem) {
  CloneTestDrawing drawing;
  for (OdDbObjectId id : {drawing.line, drawing.insert, drawing.attribute, drawing.xrecord}) {
    OdDbObjectPtr obj = id.openObject();
    std::vector<std::pair<int, std::string>> recorded;
    for (const dxf::KeptGroup& g : dxf::recordGroups(obj.get())) recorded.emplace_back(g.code, g.text);
    EXPECT_EQ(recorded, writtenGroups(odDxfWriteString(drawing.db.get()), obj->getDbHandle().text()))
        << obj->isA()->name().utf8();
  }
}

TEST(DxfGroupRecorder, ReferencesKeepTheirIds) {
  CloneTestDrawing drawing;
  OdDbObjectPtr line = drawing.line.openObject();
  bool sawXdict = false;
  for (const dxf::KeptGroup& g : dxf::recordGroups(line.get()))
    if (g.code == 360) {
      sawXdict = true;
      EXPECT_EQ(g.id, line->extensionDictionary());
      EXPECT_EQ(g.text, g.id.getHandle().text());
    }
  EXPECT_TRUE(sawXdict);
}

}  // namespace
