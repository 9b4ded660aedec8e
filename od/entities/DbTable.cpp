#include "DbTable.h"

#include "GiAnnotationDraw.h"

ODRX_DEFINE_NAMED(OdDbTable, "AcDbTable", OdDbBlockReference, "ACAD_TABLE", odrxNewReferenced<OdDbTable>)

const dxf::ClassLayout& OdDbTable::layout() {
  static const dxf::Custom cells{&OdDbTable::readCells, &OdDbTable::writeCells};
  static const dxf::Field fields[] = {
      dxf::optional<&OdDbTable::m_version>(280),
      dxf::field<&OdDbTable::m_tableStyle>(342),
      dxf::field<&OdDbTable::m_tableBlock>(343),
      dxf::field<&OdDbTable::m_direction>(11, dxf::def(1, 0, 0)),
      dxf::field<&OdDbTable::m_valueFlags>(90),
      dxf::field<&OdDbTable::m_rows>(91),
      dxf::field<&OdDbTable::m_columns>(92),
      dxf::custom(cells),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbBlockReference::layout(), fields);
  return layout;
}

OdDbTable::OdDbTable() { layout().applyOwnDefaults(this); }

bool OdDbTable::readCells(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto* table = static_cast<OdDbTable*>(obj);
  // The header groups come first and once; from the first other group on,
  // everything is cell data, whose codes repeat those of the header.
  if (table->m_cells.empty()) {
    switch (g.code) {
      case 280: case 342: case 343: case 11: case 21: case 31: case 90: case 91: case 92: return false;
      default: break;
    }
  }
  dxf::appendGroup(table->m_cells, g, ctx);
  return true;
}

void OdDbTable::writeCells(const OdDbObject* obj, OdDbDxfFiler* filer) {
  dxf::writeGroups(static_cast<const OdDbTable*>(obj)->m_cells, filer);
}

bool OdDbTable::subWorldDraw(OdGiWorldDraw* wd) const {
  OdDbObjectId block = blockTableRecord().isNull() ? m_tableBlock : blockTableRecord();
  odGiDrawBlock(wd, block, blockTransform());
  return true;
}
