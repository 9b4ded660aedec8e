#include "DbMInsertBlock.h"

#include "DxfClassChooser.h"
#include "DxfGroupList.h"
#include "GiAnnotationDraw.h"
#include "GiWorldDraw.h"

#include <algorithm>

ODRX_DEFINE_NAMED(OdDbMInsertBlock, "AcDbMInsertBlock", OdDbBlockReference, "INSERT", odrxNewReferenced<OdDbMInsertBlock>)

const dxf::ClassLayout& OdDbMInsertBlock::layout() {
  // Its own marker replaces AcDbBlockReference; the grid sits before the normal.
  static const auto fields = dxf::joinFields(
      std::array{dxf::marker("AcDbMInsertBlock")}, referenceFields(),
      std::array{
          dxf::optional<&OdDbMInsertBlock::m_columns>(70, dxf::defInt(1)),
          dxf::optional<&OdDbMInsertBlock::m_rows>(71, dxf::defInt(1)),
          dxf::optional<&OdDbMInsertBlock::m_columnSpacing>(44),
          dxf::optional<&OdDbMInsertBlock::m_rowSpacing>(45),
          normalFields()[0],
      });
  static const dxf::ClassLayout layout(&OdDbEntity::layout(), fields);
  return layout;
}

OdDbMInsertBlock::OdDbMInsertBlock() { layout().applyOwnDefaults(this); }

namespace {
// INSERT records are block references unless their marker or, in files
// without markers, their column or row count says MINSERT.
OdRxClass* chooseInsertClass(std::span<const dxf::Group> groups) {
  bool markers = false;
  int64_t columns = 1, rows = 1;
  for (const dxf::Group& g : groups) {
    if (g.code == 100) {
      if (g.value == "AcDbMInsertBlock") return OdDbMInsertBlock::desc();
      markers = true;
    } else if (g.code == 70) {
      columns = dxf::toInt(g);
    } else if (g.code == 71) {
      rows = dxf::toInt(g);
    } else if (g.code >= 1000) {
      break;  // extended data
    }
  }
  if (!markers && (columns > 1 || rows > 1)) return OdDbMInsertBlock::desc();
  return OdDbBlockReference::desc();
}

[[maybe_unused]] const bool g_insertChooser =
    (dxf::registerClassChooser(OdString("INSERT"), &chooseInsertClass), true);
}  // namespace

bool OdDbMInsertBlock::subWorldDraw(OdGiWorldDraw* wd) const {
  OdGeMatrix3d copy = blockTransform();
  // The spacings are neither scaled nor moved with the block's origin: only turned.
  OdGeMatrix3d turn = OdGeMatrix3d::planeToWorld(normal()) * OdGeMatrix3d::rotation(rotation(), OdGeVector3d::kZAxis);
  for (int row = 0; row < std::max<int>(m_rows, 1) && !wd->regenAbort(); ++row) {
    for (int column = 0; column < std::max<int>(m_columns, 1); ++column) {
      OdGeVector3d offset = turn * OdGeVector3d(column * m_columnSpacing, row * m_rowSpacing, 0);
      odGiDrawBlock(wd, blockTableRecord(), OdGeMatrix3d::translation(offset) * copy);
    }
  }
  drawAttributes(wd);
  return true;
}
