#pragma once

#include "DbObject.h"
#include "ResBuf.h"

// An object that holds a chain of typed values for applications.
class OdDbXrecord : public OdDbObject {
  OD_DXF_CLASS(OdDbXrecord);

 public:
  OdDbXrecord();

  OdResBufPtr rbChain() const;
  void setFromRbChain(const OdResBuf* chain);
  void appendRbChain(const OdResBuf* chain);
  OdDb::DuplicateRecordCloning mergeStyle() const { return static_cast<OdDb::DuplicateRecordCloning>(m_mergeStyle); }
  void setMergeStyle(OdDb::DuplicateRecordCloning style) { m_mergeStyle = static_cast<int8_t>(style); }

 private:
  static bool readData(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeData(const OdDbObject* obj, OdDbDxfFiler* filer);

  int8_t m_mergeStyle = OdDb::kDrcIgnore;
  // One group per item; a point's coordinates are three groups.
  std::vector<dxf::KeptGroup> m_data;
};
using OdDbXrecordPtr = OdSmartPtr<OdDbXrecord>;
