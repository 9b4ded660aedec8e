#pragma once

#include "DbBlockReference.h"
#include "DxfGroupList.h"

// A table (ACAD_TABLE): a block reference to its anonymous block, then the
// table's own section whose cell data is kept in file order.
class OdDbTable : public OdDbBlockReference {
  OD_DXF_CLASS(OdDbTable);

 public:
  OdDbTable();

  OdDbObjectId tableStyle() const { return m_tableStyle; }
  void setTableStyle(OdDbObjectId id) { m_tableStyle = id; }
  // The anonymous block that shows the table.
  OdDbObjectId tableBlockId() const { return m_tableBlock; }
  OdGeVector3d direction() const { return m_direction; }
  void setDirection(const OdGeVector3d& d) { m_direction = d; }
  int32_t numRows() const { return m_rows; }
  int32_t numColumns() const { return m_columns; }
  // Row heights, column widths and cells, as read.
  const dxf::GroupList& cellData() const { return m_cells; }

  // Its block (the one the table names when the reference names none), as a
  // block reference draws it.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  static bool readCells(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeCells(const OdDbObject* obj, OdDbDxfFiler* filer);

  int8_t m_version;
  OdDbObjectId m_tableStyle;
  OdDbObjectId m_tableBlock;
  OdGeVector3d m_direction;
  int32_t m_valueFlags;
  int32_t m_rows;
  int32_t m_columns;
  dxf::GroupList m_cells;
};
using OdDbTablePtr = OdSmartPtr<OdDbTable>;
