#pragma once

// Field tables: each DXF class declares its fields once, as (group code,
// member, default), and the same table drives reading, writing, defaults
// and the field output that fingerprints and copies use.

#include "DbDxfFiler.h"

#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class OdDbObject;
class OdRxClass;

namespace dxf {

enum class Kind : uint8_t {
  Marker, Custom, String, Name, Bool, Flag, Int8, Int16, Int32, Int64, Double, Angle,
  Point2d, Point3d, Vector3d, Scale3d, Binary, Id, Symbol
};

enum Flags : uint8_t {
  kNone = 0,
  kOmitDefault = 1,  // a DXF file carries it only when it differs from the default
};

enum class SymbolTable : uint8_t { Block, Layer, Linetype, TextStyle, View, Ucs, Viewport, DimStyle, RegApp };

// How a group holds its value: as text, as a file has it, or typed, as an
// object wrote it into a typed recorder (DxfTypedRecorder.h).
enum class GroupType : uint8_t {
  Text,     // value is the text; typed recorders keep strings so too, in UTF-8
  Real,     // real
  Integer,  // integer
  Handle,   // integer is the handle
  Id,       // stub is the object referenced
  Binary,   // value is the bytes
};

// One group: its code and its value. Read numbers, handles, references and
// binary data through toDouble, toInt, handleOf, ReadContext::idOf and
// binaryOf, which take text and typed groups alike.
struct Group {
  Group() = default;
  Group(int code, std::string_view value) : code(code), value(value) {}

  int code = 0;
  std::string_view value;
  GroupType type = GroupType::Text;
  // A text group whose number the tokenizer has read already, into real;
  // toDouble answers it, everything else goes by the text.
  bool realRead = false;
  union {
    double real;
    int64_t integer = 0;
    OdDbStub* stub;
  };
};

// What field reading needs of the file being read.
class ReadContext {
 public:
  virtual ~ReadContext() = default;
  virtual OdString decodeString(std::string_view raw) = 0;
  virtual OdDbObjectId idFromHandle(std::string_view hex) = 0;
  // A reference a typed group holds as an id; contexts that translate references translate it.
  virtual OdDbObjectId idFromId(OdDbObjectId id) { return id; }
  // The object a reference group names, whether it holds a handle as text or an id.
  OdDbObjectId idOf(const Group& g);
  virtual OdDbObjectId symbolByName(SymbolTable table, const OdString& name) = 0;
  // The same for a name as the file has it; readers answer repeated names from a cache.
  virtual OdDbObjectId symbolByRawName(SymbolTable table, std::string_view raw) {
    return symbolByName(table, decodeString(raw));
  }
  virtual OdDbDatabase* database() = 0;
  // The file's version as its $ACADVER number (1009 for AC1009).
  virtual int version() const = 0;
};

double toDouble(std::string_view text);
// A plain decimal of up to 15 digits ("-12.5", "3", ".5"), read exactly as
// toDouble reads it; false for anything else, which toDouble reads its own way.
bool readPlainDecimal(std::string_view text, double& value);
int64_t toInt(std::string_view text);
OdBinaryData hexToBinary(std::string_view hex);
// The value of a group, text or typed.
double toDouble(const Group& g);
int64_t toInt(const Group& g);
OdDbHandle handleOf(const Group& g);
OdBinaryData binaryOf(const Group& g);
// The value of a group as the text a DXF file holds (binary data as hexadecimal).
std::string textOf(const Group& g);

// What copying an object's fields into another object of its class needs
// beyond reading groups back (DxfObjectCopy.h).
class CopyContext : public ReadContext {
 public:
  // The record the copy references for the symbol table record the source
  // references: what writing the record's name and reading it back in table
  // gives (namelessName standing for a record without a name).
  virtual OdDbObjectId symbol(SymbolTable table, OdDbObjectId source, const char* namelessName = "") = 0;
  // The reactor the copy gets for a reactor of the source; null for none.
  virtual OdDbObjectId reactor(OdDbObjectId source) { return idFromId(source); }
};

// Hand-written reading and writing for what a plain field cannot say
// (repeated groups, counts, conditional groups).
struct Custom {
  bool (*read)(OdDbObject* obj, const Group& group, ReadContext& ctx);  // true when the group was taken
  void (*write)(const OdDbObject* obj, OdDbDxfFiler* filer);
  // Copies what read and write carry from an object to another of the class,
  // references translated through the context. Optional: a copy otherwise
  // reads back what write writes. Customs whose groups reference objects the
  // object owns or points to (codes 340-369, 390-399, 480-481) go without
  // one, as copies find those in the groups. An object moved into another
  // database is its own copy: from and to are then the same object.
  void (*copy)(const OdDbObject* from, OdDbObject* to, CopyContext& ctx) = nullptr;
};

struct Default {
  double d[3] = {0, 0, 0};
  int64_t i = 0;
  const char* s = "";
};
constexpr Default def(double x, double y = 0, double z = 0) { return Default{{x, y, z}, 0, ""}; }
constexpr Default defInt(int64_t i) { return Default{{0, 0, 0}, i, ""}; }
constexpr Default defStr(const char* s) { return Default{{0, 0, 0}, 0, s}; }
constexpr Default kNormal = def(0, 0, 1);
constexpr Default kUnitScale = def(1, 1, 1);

struct Field {
  Kind kind;
  int16_t code;
  uint8_t flags;
  SymbolTable table;
  void* (*member)(OdDbObject*);
  Default value;
  const Custom* custom;
  const char* marker;
};

template <auto M>
struct MemberOf;
template <class C, class T, T C::*M>
struct MemberOf<M> {
  using Class = C;
  using Type = T;
  static void* get(OdDbObject* obj) { return &(static_cast<C*>(obj)->*M); }
};

template <class T>
constexpr Kind kindOf() {
  if constexpr (std::is_same_v<T, OdString>) return Kind::String;
  else if constexpr (std::is_same_v<T, bool>) return Kind::Bool;
  else if constexpr (std::is_same_v<T, int8_t>) return Kind::Int8;
  else if constexpr (std::is_same_v<T, int16_t>) return Kind::Int16;
  else if constexpr (std::is_same_v<T, int32_t>) return Kind::Int32;
  else if constexpr (std::is_same_v<T, int64_t>) return Kind::Int64;
  else if constexpr (std::is_same_v<T, double>) return Kind::Double;
  else if constexpr (std::is_same_v<T, OdGePoint2d>) return Kind::Point2d;
  else if constexpr (std::is_same_v<T, OdGePoint3d>) return Kind::Point3d;
  else if constexpr (std::is_same_v<T, OdGeVector3d>) return Kind::Vector3d;
  else if constexpr (std::is_same_v<T, OdGeScale3d>) return Kind::Scale3d;
  else if constexpr (std::is_same_v<T, OdBinaryData>) return Kind::Binary;
  else if constexpr (std::is_same_v<T, OdDbObjectId>) return Kind::Id;
  else static_assert(sizeof(T) == 0, "no DXF kind for this member type");
}

template <auto M>
constexpr Field field(int code, Default value = {}, uint8_t flags = kNone) {
  using Info = MemberOf<M>;
  return Field{kindOf<typename Info::Type>(), static_cast<int16_t>(code), flags, SymbolTable::Layer, &Info::get,
               value, nullptr, nullptr};
}
template <auto M>
constexpr Field optional(int code, Default value = {}) { return field<M>(code, value, kOmitDefault); }
// A bool a file holds as a 16-bit 0 or 1.
template <auto M>
constexpr Field flag(int code, uint8_t flags = kNone) {
  Field f = field<M>(code, {}, flags);
  f.kind = Kind::Flag;
  return f;
}
template <auto M>
constexpr Field angle(int code, double value = 0, uint8_t flags = kNone) {
  Field f = field<M>(code, def(value), flags);
  f.kind = Kind::Angle;
  return f;
}
// A symbol or block name (group codes 2, 3, 6, 7, 8): filtered as a name by fingerprints.
template <auto M>
constexpr Field name(int code, const char* value = "") {
  Field f = field<M>(code, defStr(value));
  f.kind = Kind::Name;
  return f;
}
// A reference to a symbol table record written by its name. A file may leave
// out a reference to the record a reader takes by default (defaultName):
// written with all defaults, a reference to nothing or to a record without a
// name is written as that name.
template <auto M>
constexpr Field symbol(int code, SymbolTable table, uint8_t flags = kNone, const char* defaultName = "") {
  Field f = field<M>(code, defStr(defaultName), flags);
  f.kind = Kind::Symbol;
  f.table = table;
  return f;
}
constexpr Field marker(const char* name) {
  return Field{Kind::Marker, 100, kNone, SymbolTable::Layer, nullptr, {}, nullptr, name};
}
constexpr Field custom(const Custom& handler) {
  return Field{Kind::Custom, 0, kNone, SymbolTable::Layer, nullptr, {}, &handler, nullptr};
}

// A group kept as read because no field of the class claims it; written back
// in the same place.
struct KeptGroup {
  static constexpr uint8_t kAfterHeader = 0xFF;
  static constexpr uint8_t kAppData = 0xFE;  // 102 groups of other applications, in the header
  uint8_t section;
  int16_t code;
  OdDbObjectId id;   // for groups that reference objects
  std::string text;  // the value as text (UTF-8; binary data as hexadecimal)
};

// The fields of one class and, through the parent, of its bases.
class ClassLayout {
 public:
  // Fields that continue the parent's last section, or that open with a marker of their own.
  ClassLayout(const ClassLayout* parent, std::span<const Field> own) : m_parent(parent), m_own(own) {}
  // Fields in a section whose subclass marker is the class's run-time name.
  ClassLayout(const OdRxClass* cls, const ClassLayout* parent, std::span<const Field> own);

  struct Section {
    Section(const char* marker, std::span<const Field> fields);
    const char* marker;  // null for fields before any subclass marker
    std::span<const Field> fields;
    OdString markerName;  // the marker as written, made once
    // What reading a group asks, made once: the custom fields that read, in
    // order, and each code a plain field takes with the first such field.
    std::vector<const Field*> readers;
    std::vector<std::pair<int16_t, const Field*>> takers;
  };
  const std::vector<Section>& sections() const {
    return m_built.load(std::memory_order_acquire) ? m_sections : buildSections();
  }
  void applyOwnDefaults(OdDbObject* obj) const;

  // Reads one group into obj; answers false when no field takes it.
  // section is the index of the current subclass section or -1.
  bool readGroup(OdDbObject* obj, const Group& g, int& section, bool markersSeen, ReadContext& ctx) const;
  // Reads one group into obj through the fields of one section alone.
  bool readInSection(OdDbObject* obj, const Group& g, int section, ReadContext& ctx) const;
  // Index of the section a subclass marker opens, searching forward from after.
  int findSection(std::string_view marker, int after) const;
  void writeFields(const OdDbObject* obj, OdDbDxfFiler* filer, const std::vector<KeptGroup>* kept) const;

 private:
  const std::vector<Section>& buildSections() const;

  const ClassLayout* m_parent;
  std::string m_marker;  // empty when the fields say their markers themselves
  std::span<const Field> m_own;
  mutable std::vector<Section> m_sections;
  mutable std::atomic<bool> m_built = false;  // built once, by the first of the threads reading that needs it
};

// The name of a symbol table record (empty for anything else); references
// to symbols are written by name.
OdString symbolNameOf(const OdDbObject* record);

// Whether a group code's value references an object and is translated by copies.
bool isReferenceCode(int code);
// Writes one group, typed by its group code, through the filer.
void writeGroupByCode(OdDbDxfFiler* filer, int code, const std::string& text, OdDbObjectId id);
// Reads one group as a kept group.
KeptGroup keepGroup(uint8_t section, const Group& g, ReadContext& ctx);

// Shortest text that reads back as the same double ("0.0", "1.5", "1e-08").
std::string formatDouble(double v);

}  // namespace dxf

class OdResBuf;
namespace dxf {
// Conversions between kept groups and chains of typed values; the points of
// a chain are the groups x, x+10 and x+20 of a file.
OdSmartPtr<OdResBuf> groupsToResBuf(const std::vector<KeptGroup>& groups);
std::vector<KeptGroup> resBufToGroups(const OdResBuf* chain, uint8_t section = KeptGroup::kAfterHeader);
}  // namespace dxf
