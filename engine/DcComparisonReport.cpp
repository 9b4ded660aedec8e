#include "DcComparisonReport.h"

#include <cstdio>

namespace dwgcompare {
namespace {

// The class of the bound object an entry came from; entries read back from
// a saved result have no object left to ask.
std::string classOf(const ComparedObject& object) {
  OdDbObjectPtr clone = object.idPair.value().openObject();
  return clone.isNull() ? std::string("(saved)") : clone->isA()->name().utf8();
}

void countEntries(const ComparedObjectMap& own, const ComparedObjectMap& other, bool isFile1,
                  ComparisonReport& report) {
  for (const auto& [value, object] : own) {
    bool inOther = other.contains(value);
    if (inOther && !isFile1) continue;  // shared entries are counted once, from File 1
    GroupCounts& byClass = report.byClass[classOf(object)];
    size_t GroupCounts::*group = inOther ? &GroupCounts::shared : isFile1 ? &GroupCounts::file1Only : &GroupCounts::file2Only;
    ++(report.counts.*group);
    ++(byClass.*group);
  }
}

std::string jsonString(const OdString& text) {
  std::string out = "\"";
  for (unsigned char c : text.utf8()) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += char(c);
    }
  }
  return out + "\"";
}

std::string jsonCounts(const GroupCounts& counts) {
  return "{\"file1Only\": " + std::to_string(counts.file1Only) + ", \"file2Only\": " +
         std::to_string(counts.file2Only) + ", \"shared\": " + std::to_string(counts.shared) + "}";
}

std::string jsonFile(const FileInfo& info) {
  return "{\"path\": " + jsonString(info.path) + ", \"fileName\": " + jsonString(info.fileName) +
         ", \"savedBy\": " + jsonString(info.savedBy) + ", \"dateSaved\": " + jsonString(info.dateSaved) + "}";
}
}  // namespace

ComparisonReport makeComparisonReport(const DcComparisonManager& manager,
                                      const DcBlockTableRecordComparisonImpl& comparison) {
  ComparisonReport report;
  if (const FileInfo* info = manager.file1Info()) report.file1 = *info;
  if (const FileInfo* info = manager.file2Info()) report.file2 = *info;
  countEntries(comparison.file1Objects(), comparison.file2Objects(), true, report);
  countEntries(comparison.file2Objects(), comparison.file1Objects(), false, report);
  for (const auto& [name, unused] : comparison.unsupportedObjects()) report.unsupported.push_back(name.utf8());
  return report;
}

std::string comparisonReportJson(const ComparisonReport& report) {
  std::string json = "{\n  \"file1\": " + jsonFile(report.file1) + ",\n  \"file2\": " + jsonFile(report.file2) +
                     ",\n  \"counts\": " + jsonCounts(report.counts) + ",\n  \"byClass\": {";
  const char* separator = "\n    ";
  for (const auto& [name, counts] : report.byClass) {
    json += separator + jsonString(OdString(name)) + ": " + jsonCounts(counts);
    separator = ",\n    ";
  }
  json += report.byClass.empty() ? "},\n  \"unsupported\": [" : "\n  },\n  \"unsupported\": [";
  separator = "";
  for (const std::string& name : report.unsupported) {
    json += separator + jsonString(OdString(name));
    separator = ", ";
  }
  return json + "]\n}\n";
}

std::vector<OdString> comparisonReportSummary(const ComparisonReport& report) {
  std::vector<OdString> lines = {
      "File 1: " + report.file1.path,
      "File 2: " + report.file2.path,
      OdString("Only in File 1: " + std::to_string(report.counts.file1Only) + ", only in File 2: " +
               std::to_string(report.counts.file2Only) + ", in both: " + std::to_string(report.counts.shared)),
  };
  if (!report.unsupported.empty()) {
    OdString classes;
    for (const std::string& name : report.unsupported) classes += (classes.isEmpty() ? "" : ", ") + OdString(name);
    lines.push_back("Left out as unsupported: " + classes);
  }
  return lines;
}

}  // namespace dwgcompare
