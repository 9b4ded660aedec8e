#include "FingerprintReport.h"

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "HostObjectHashDxfGenerator.h"
#include "HostObjectHashGenerator.h"

#include <string>

namespace hostObjectCompare {
namespace {

// Each passed value with its group code, in text.
class ValueTexts : public HashValueObserver {
 public:
  void passedText(int code, std::u16string_view text) override { add(code, OdString(std::u16string(text)).utf8()); }
  void passedInteger(int code, int64_t value) override { add(code, std::to_string(value)); }
  void passedUnsigned(int code, uint64_t value) override { add(code, std::to_string(value)); }
  void passedReals(int code, std::span<const double> values) override {
    std::string text;
    for (double v : values) text += (text.empty() ? "" : ", ") + dxf::formatDouble(v);
    add(code, text);
  }
  void passedBinary(int code, std::span<const uint8_t> bytes) override {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
      text += kDigits[b >> 4];
      text += kDigits[b & 0xF];
    }
    add(code, text);
  }

  std::vector<FingerprintValue> values;

 private:
  void add(int code, const std::string& value) { values.push_back({code, value}); }
};

}  // namespace

std::vector<OdString> fingerprintLines(OdDbDatabase* db) {
  std::vector<OdString> lines;
  OdDbBlockTableRecordPtr modelSpace = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  if (!modelSpace) return lines;
  for (OdDbObjectId id : modelSpace->entityIds()) {
    OdDbObjectPtr entity = id.openObject();
    if (!entity) continue;
    uint32_t value = HostObjectHashGenerator().buildHash(entity.get())->value;
    lines.push_back(OdString::format("%s %ls %08X", entity->getDbHandle().text().c_str(), &entity->isA()->name(),
                                     value));
  }
  return lines;
}

std::vector<FingerprintValue> fingerprintValues(const OdDbObject* object) {
  ValueTexts texts;
  HostObjectHashDxfGenerator generator;
  generator.setObserver(&texts);
  generator.computeHash(object);
  return std::move(texts.values);
}

std::vector<OdString> fingerprintValueLines(const OdDbObject* object) {
  std::vector<OdString> lines;
  for (const FingerprintValue& value : fingerprintValues(object))
    lines.push_back(OdString(std::to_string(value.code) + ": " + value.text));
  return lines;
}

}  // namespace hostObjectCompare
