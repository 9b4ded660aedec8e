#include "DbOleFrame.h"

ODRX_DEFINE_NAMED(OdDbOleFrame, "AcDbOleFrame", OdDbEntity, "OLEFRAME", odrxNewReferenced<OdDbOleFrame>)

const dxf::Custom& OdDbOleFrame::dataField() {
  static const dxf::Custom handler{&OdDbOleFrame::readData, &OdDbOleFrame::writeData};
  return handler;
}

const dxf::ClassLayout& OdDbOleFrame::layout() {
  static const dxf::Field fields[] = {
      dxf::field<&OdDbOleFrame::m_oleVersion>(70, dxf::defInt(2)),
      dxf::custom(dataField()),
      dxf::field<&OdDbOleFrame::m_endMarker>(1, dxf::defStr("OLE")),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbOleFrame::OdDbOleFrame() { layout().applyOwnDefaults(this); }

// The length follows from the chunks; the one read is not needed.
bool OdDbOleFrame::readData(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  if (g.code == 90) return true;
  if (g.code != 310) return false;
  static_cast<OdDbOleFrame*>(obj)->m_chunks.push_back(dxf::binaryOf(g));
  return true;
}

void OdDbOleFrame::writeData(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* frame = static_cast<const OdDbOleFrame*>(obj);
  filer->wrInt32(90, static_cast<int32_t>(frame->dataSize()));
  for (const OdBinaryData& chunk : frame->m_chunks) filer->wrBinaryChunk(310, chunk);
}

OdBinaryData OdDbOleFrame::data() const {
  OdBinaryData all;
  all.reserve(dataSize());
  for (const OdBinaryData& chunk : m_chunks) all.insert(all.end(), chunk.begin(), chunk.end());
  return all;
}

uint32_t OdDbOleFrame::dataSize() const {
  size_t size = 0;
  for (const OdBinaryData& chunk : m_chunks) size += chunk.size();
  return static_cast<uint32_t>(size);
}

void OdDbOleFrame::setData(const OdBinaryData& data) {
  m_chunks.clear();
  for (size_t at = 0; at < data.size(); at += 127)
    m_chunks.emplace_back(data.begin() + at, data.begin() + std::min(data.size(), at + 127));
}
