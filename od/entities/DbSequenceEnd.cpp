#include "DbSequenceEnd.h"

ODRX_DEFINE_NAMED(OdDbSequenceEnd, "AcDbSequenceEnd", OdDbEntity, "SEQEND", odrxNewReferenced<OdDbSequenceEnd>)

const dxf::ClassLayout& OdDbSequenceEnd::layout() { return OdDbEntity::layout(); }

OdDbSequenceEnd::OdDbSequenceEnd() = default;
