#pragma once

#include "DxfFields.h"

class OdDbObject;
class OdDbDxfTypedRecorder;

namespace dxf {

// Copies of objects through their classes' field tables, the counterpart of
// dxfOutFields and readObjectGroups for copies: fields go from object to
// object without being written as text, and every reference goes through the
// copy's context once. (Kept groups, text already, are written and kept
// again as a reader would keep them.)

// Writes what of obj can reference objects, in the order dxfOutFields writes
// it: the references of its header (kept application data, reactors,
// extension dictionary, owner), of its Id fields and of its kept groups, and
// all that its custom fields without a copy function write; then the
// references of its extended data. A copier finds there what an object owns
// and points to before copying it. Answers whether those custom fields wrote
// a reference, which translateInPlace cannot reach.
bool writeReferences(const OdDbObject* obj, OdDbDxfTypedRecorder& recorder);

// Makes to, a new object of from's class, a copy of from, as writing from's
// groups and reading them into to would, without the text: plain fields are
// copied member by member, symbols through CopyContext::symbol, references
// through ReadContext::idFromId, custom fields through their copy function or
// else by reading back what they write into the scratch recorder, at their
// place in the table. Kept groups, application data, reactors
// (CopyContext::reactor; a reactor to nothing is none), the extension
// dictionary, the owner and extended data come along with their references
// translated.
void copyObject(const OdDbObject* from, OdDbObject* to, CopyContext& ctx, OdDbDxfTypedRecorder& scratch);

// Gives obj, moving into the database a copy of it would go to, what
// copyObject would give that copy: its references translated where they are,
// its kept groups kept again; custom copy functions get obj as both source and
// copy. For an object without persistent reactors whose custom fields without
// a copy function write no reference (writeReferences answers false).
void translateInPlace(OdDbObject* obj, CopyContext& ctx, OdDbDxfTypedRecorder& scratch);

}  // namespace dxf
