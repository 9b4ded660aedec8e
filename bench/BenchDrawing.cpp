#include "BenchDrawing.h"

#include "DbDatabase.h"
#include "DxfWriter.h"

#include <cstdio>
#include <filesystem>
#include <random>

namespace {

class EntityWriter {
 public:
  EntityWriter(std::string& out, unsigned seed) : m_out(out), m_random(seed) {}

  void next(size_t i) {
    const char* layers[] = {"0", "WALLS", "DOORS", "TEXT", "DIMS", "FURNITURE"};
    std::string layer = layers[i % 6];
    switch (i % 8) {
      case 0: case 1: line(layer); break;
      case 2: circle(layer); break;
      case 3: arc(layer); break;
      case 4: polyline(layer); break;
      case 5: text(layer, i); break;
      case 6: insert(layer); break;
      default: point(layer); break;
    }
  }

 private:
  double coord() { return std::uniform_real_distribution<double>(-5000, 5000)(m_random); }
  void group(int code, const std::string& value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d\n", code);
    m_out += buf;
    m_out += value;
    m_out += '\n';
  }
  void real(int code, double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.12f", v);
    group(code, buf);
  }
  void head(const char* type, const std::string& layer, const char* subclass) {
    group(0, type);
    char handle[24];
    std::snprintf(handle, sizeof handle, "%llX", static_cast<unsigned long long>(m_handle++));
    group(5, handle);
    group(330, "1F");
    group(100, "AcDbEntity");
    group(8, layer);
    if (m_handle % 5 == 0) group(62, std::to_string(1 + m_handle % 7));
    group(100, subclass);
  }
  void xyz(int code) {
    real(code, coord());
    real(code + 10, coord());
    real(code + 20, 0.0);
  }
  void line(const std::string& layer) { head("LINE", layer, "AcDbLine"); xyz(10); xyz(11); }
  void circle(const std::string& layer) { head("CIRCLE", layer, "AcDbCircle"); xyz(10); real(40, 1 + coord() / 100 + 50); }
  void arc(const std::string& layer) {
    head("ARC", layer, "AcDbCircle");
    xyz(10);
    real(40, 25.5);
    group(100, "AcDbArc");
    real(50, 15.0);
    real(51, 195.0);
  }
  void polyline(const std::string& layer) {
    head("LWPOLYLINE", layer, "AcDbPolyline");
    group(90, "5");
    group(70, "1");
    for (int k = 0; k < 5; ++k) {
      real(10, coord());
      real(20, coord());
      if (k == 2) real(42, 0.5);
    }
  }
  void text(const std::string& layer, size_t i) {
    head("TEXT", layer, "AcDbText");
    xyz(10);
    real(40, 2.5);
    group(1, "Room " + std::to_string(i));
    group(100, "AcDbText");
  }
  void insert(const std::string& layer) {
    head("INSERT", layer, "AcDbBlockReference");
    group(2, "CHAIR");
    xyz(10);
    real(50, 90.0);
  }
  void point(const std::string& layer) { head("POINT", layer, "AcDbPoint"); xyz(10); }

  std::string& m_out;
  std::mt19937_64 m_random;
  unsigned long long m_handle = 0x1000;
};

// An empty drawing with the layers and the block the entities use, written by the library itself.
std::string drawingFrame() {
  OdDbDatabasePtr db = OdDbDatabase::create();
  return odDxfWriteString(db.get());
}

}  // namespace

size_t makeBenchDrawing(const std::string& path, size_t entities, unsigned seed) {
  std::string marker = path + ".entities";
  if (std::filesystem::exists(path) && !std::filesystem::exists(marker)) return 0;
  if (std::filesystem::exists(path)) {
    FILE* f = std::fopen(marker.c_str(), "r");
    unsigned long long made = 0;
    if (f && std::fscanf(f, "%llu", &made) == 1 && made == entities) {
      std::fclose(f);
      return std::filesystem::file_size(path);
    }
    if (f) std::fclose(f);
  }
  std::string frame = drawingFrame();
  const std::string entitiesStart = "ENTITIES\n";
  size_t at = frame.find(entitiesStart);
  std::string out;
  out.reserve(entities * 320);
  out.append(frame, 0, at + entitiesStart.size());
  EntityWriter writer(out, seed);
  for (size_t i = 0; i < entities; ++i) writer.next(i);
  out.append(frame, at + entitiesStart.size(), std::string::npos);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(out.data(), 1, out.size(), f);
  std::fclose(f);
  if (FILE* m = std::fopen(marker.c_str(), "w")) {
    std::fprintf(m, "%zu\n", entities);
    std::fclose(m);
  }
  return out.size();
}
