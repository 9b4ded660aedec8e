#pragma once

#include "DbEntity.h"

#include <vector>

// An embedded or linked OLE object: its data as the file's binary chunks.
// OLEFRAME records of early files are of this class; OLE2FRAME records are
// of OdDbOle2Frame.
class OdDbOleFrame : public OdDbEntity {
  OD_DXF_CLASS(OdDbOleFrame);

 public:
  OdDbOleFrame();

  int16_t oleVersion() const { return m_oleVersion; }
  void setOleVersion(int16_t v) { m_oleVersion = v; }
  // The OLE data, all chunks joined.
  OdBinaryData data() const;
  uint32_t dataSize() const;
  // Replaces the data; it is written in chunks of 127 bytes, as CAD programs do.
  void setData(const OdBinaryData& data);
  // The chunks as the file had them.
  const std::vector<OdBinaryData>& chunks() const { return m_chunks; }

 protected:
  // The data length (90) and chunks (310), for the table of each frame class.
  static const dxf::Custom& dataField();

  int16_t m_oleVersion;
  OdString m_endMarker;  // "OLE" after the data

 private:
  static bool readData(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeData(const OdDbObject* obj, OdDbDxfFiler* filer);

  std::vector<OdBinaryData> m_chunks;
};
using OdDbOleFramePtr = OdSmartPtr<OdDbOleFrame>;
