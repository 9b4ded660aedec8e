#pragma once

#include "DbBlockReference.h"

// A block reference repeated in rows and columns (MINSERT, whose DXF record is INSERT).
class OdDbMInsertBlock : public OdDbBlockReference {
  OD_DXF_CLASS(OdDbMInsertBlock);

 public:
  OdDbMInsertBlock();

  int16_t columns() const { return m_columns; }
  void setColumns(int16_t n) { m_columns = n; }
  int16_t rows() const { return m_rows; }
  void setRows(int16_t n) { m_rows = n; }
  double columnSpacing() const { return m_columnSpacing; }
  void setColumnSpacing(double d) { m_columnSpacing = d; }
  double rowSpacing() const { return m_rowSpacing; }
  void setRowSpacing(double d) { m_rowSpacing = d; }

  // The block once for every row and column, spaced along the reference's
  // turned axes; the attributes once.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  int16_t m_columns;
  int16_t m_rows;
  double m_columnSpacing;
  double m_rowSpacing;
};
using OdDbMInsertBlockPtr = OdSmartPtr<OdDbMInsertBlock>;
