#include "OdError.h"

namespace {
const char* resultText(OdResult code) {
  switch (code) {
    case eOk: return "No error";
    case eNotImplementedYet: return "Not implemented yet";
    case eNotApplicable: return "Not applicable";
    case eInvalidInput: return "Invalid input";
    case eAmbiguousOutput: return "Ambiguous output";
    case eNoXrefDefinitionBlock: return "No external reference definition block";
    case eInvalidIndex: return "Invalid index";
    case eKeyNotFound: return "Key not found";
    case eNullObjectId: return "Null object id";
    case eWasErased: return "Object was erased";
    case eInvalidOpenState: return "Invalid open state";
    case eDuplicateKey: return "Duplicate key";
    case eNotThatKindOfClass: return "Not that kind of class";
    case eInvalidDxfCode: return "Invalid DXF group code";
    case eOutOfMemory: return "Out of memory";
    case eFileNotFound: return "File not found";
    case eCantOpenFile: return "Can't open file";
    case eFileAccessErr: return "File access error";
    case eDwgNeedsRecovery: return "Drawing needs recovery";
    case eDxfFileCorrupt: return "DXF file is corrupt";
    case eNotAnEntity: return "Not an entity";
    case eIllegalReplacement: return "Illegal replacement";
    case eFileWriteError: return "File write error";
    case eBadDxfSequence: return "Bad DXF sequence";
    case eUnknownCodePage: return "Unknown code page";
    case eClassNotRegistered: return "Class is not registered";
    case eUserBreak: return "Cancelled by the user";
    case eAlreadyRegistered: return "Class is already registered";
    case eInvalidFileVersion: return "Invalid file version";
  }
  return "Unknown error";
}
}  // namespace

OdError::OdError(OdResult code) : m_code(code), m_what(resultText(code)) {}

OdError::OdError(OdResult code, const OdString& details)
    : m_code(code), m_what(details.isEmpty() ? std::string(resultText(code)) : details.utf8()) {}

OdString OdError::description() const { return OdString(m_what); }

OdString OdError::describe(OdResult code) { return OdString(resultText(code)); }

OdError_NotThatKindOfClass::OdError_NotThatKindOfClass(const OdString& found, const OdString& wanted)
    : OdError(eNotThatKindOfClass,
              OdString("Not that kind of class: ") + found + " is not a " + wanted) {}
