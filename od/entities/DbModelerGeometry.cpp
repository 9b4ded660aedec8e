#include "DbModelerGeometry.h"

int16_t OdDbModelerGeometryData::version() const {
  for (const auto& g : m_groups)
    if (g.code == 70) return static_cast<int16_t>(dxf::toInt(g.text));
  return 1;
}

std::vector<OdString> OdDbModelerGeometryData::satLines() const {
  std::vector<std::string> lines;
  for (const auto& g : m_groups) {
    if (g.code == 1) lines.push_back(g.text);
    else if (g.code == 3 && !lines.empty()) lines.back() += g.text;
  }
  std::vector<OdString> out;
  out.reserve(lines.size());
  for (const auto& line : lines) out.emplace_back(line);
  return out;
}

void OdDbModelerGeometryData::set(int16_t version, const std::vector<OdString>& lines) {
  m_groups.clear();
  m_groups.push_back(dxf::KeptGroup{0, 70, OdDbObjectId(), std::to_string(version)});
  // Values longer than 255 characters go on in groups 3.
  for (const OdString& line : lines) {
    std::string text = line.utf8();
    int code = 1;
    do {
      size_t take = std::min<size_t>(text.size(), 255);
      while (take < text.size() && take > 0 && (static_cast<unsigned char>(text[take]) & 0xC0) == 0x80) --take;
      m_groups.push_back(dxf::KeptGroup{0, static_cast<int16_t>(code), OdDbObjectId(), text.substr(0, take)});
      text.erase(0, take);
      code = 3;
    } while (!text.empty());
  }
}

bool OdDbModelerGeometryData::read(const dxf::Group& g, dxf::ReadContext& ctx) {
  switch (g.code) {
    case 70: case 1: case 3: case 290: case 2:
      m_groups.push_back(dxf::keepGroup(0, g, ctx));
      return true;
    default: return false;  // kept by the reader after these
  }
}

void OdDbModelerGeometryData::write(OdDbDxfFiler* filer) const {
  if (!filer->includesVersionedData()) return;
  for (const auto& g : m_groups) dxf::writeGroupByCode(filer, g.code, g.text, g.id);
}

bool OdDbModelerGeometryEntity::subWorldDraw(OdGiWorldDraw*) const { return true; }

const dxf::Custom& OdDbModelerGeometryEntity::modelerDataField() {
  static const dxf::Custom handler{
      [](OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
        return static_cast<OdDbModelerGeometryEntity*>(obj)->m_data.read(g, ctx);
      },
      [](const OdDbObject* obj, OdDbDxfFiler* filer) {
        static_cast<const OdDbModelerGeometryEntity*>(obj)->m_data.write(filer);
      }};
  return handler;
}
