#include "DbXrecord.h"

ODRX_DEFINE_NAMED(OdDbXrecord, "AcDbXrecord", OdDbObject, "XRECORD", odrxNewReferenced<OdDbXrecord>)

const dxf::ClassLayout& OdDbXrecord::layout() {
  static const dxf::Custom data{&OdDbXrecord::readData, &OdDbXrecord::writeData};
  static const dxf::Field fields[] = {
      dxf::custom(data),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbObject::layout(), fields);
  return layout;
}

OdDbXrecord::OdDbXrecord() = default;

bool OdDbXrecord::readData(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* xrec = static_cast<OdDbXrecord*>(obj);
  // The cloning flag comes first; once data has started, every group is data.
  if (g.code == 280 && xrec->m_data.empty()) {
    xrec->m_mergeStyle = static_cast<int8_t>(dxf::toInt(g));
    return true;
  }
  xrec->m_data.push_back(dxf::keepGroup(0, g, ctx));
  return true;
}

void OdDbXrecord::writeData(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* xrec = static_cast<const OdDbXrecord*>(obj);
  // The flag before the data, as files carry it.
  filer->wrInt8(280, xrec->m_mergeStyle);
  for (const auto& g : xrec->m_data) dxf::writeGroupByCode(filer, g.code, g.text, g.id);
}

OdResBufPtr OdDbXrecord::rbChain() const { return dxf::groupsToResBuf(m_data); }

void OdDbXrecord::setFromRbChain(const OdResBuf* chain) { m_data = dxf::resBufToGroups(chain, 0); }

void OdDbXrecord::appendRbChain(const OdResBuf* chain) {
  auto more = dxf::resBufToGroups(chain, 0);
  m_data.insert(m_data.end(), more.begin(), more.end());
}
