// Every field of every entity class's field table and the properties all
// entities share, set away from their defaults, survive save and reopen: one
// check in place of a test per class.

#include "DbGenericObject.h"
#include "DbSymbolTable.h"
#include "EntityTestSupport.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>

using namespace entity_test;

namespace {

// A value of the field's kind that no default has, different for each field index.
void setAwayFromDefault(OdDbObject* obj, const dxf::Field& f, int index) {
  void* m = f.member(obj);
  double v = 2.5 + index;
  switch (f.kind) {
    case dxf::Kind::String: *static_cast<OdString*>(m) = OdString(("v" + std::to_string(index)).c_str()); break;
    case dxf::Kind::Bool:
    case dxf::Kind::Flag: *static_cast<bool*>(m) = !*static_cast<bool*>(m); break;
    case dxf::Kind::Int8: *static_cast<int8_t*>(m) = static_cast<int8_t>(index % 3 + 2); break;
    case dxf::Kind::Int16: *static_cast<int16_t*>(m) = static_cast<int16_t>(index % 3 + 2); break;
    case dxf::Kind::Int32: *static_cast<int32_t*>(m) = index % 3 + 2; break;
    case dxf::Kind::Int64: *static_cast<int64_t*>(m) = index + 2; break;
    case dxf::Kind::Double: *static_cast<double*>(m) = v; break;
    case dxf::Kind::Angle: *static_cast<double*>(m) = 0.1 + 0.01 * index; break;
    case dxf::Kind::Point2d: *static_cast<OdGePoint2d*>(m) = OdGePoint2d(v, -v); break;
    case dxf::Kind::Point3d: *static_cast<OdGePoint3d*>(m) = OdGePoint3d(v, -v, v / 2); break;
    case dxf::Kind::Vector3d: *static_cast<OdGeVector3d*>(m) = OdGeVector3d(0.6, 0, 0.8); break;
    case dxf::Kind::Scale3d: *static_cast<OdGeScale3d*>(m) = OdGeScale3d(v, v + 1, v + 2); break;
    case dxf::Kind::Binary: *static_cast<OdBinaryData*>(m) = OdBinaryData{1, 2, static_cast<uint8_t>(index)}; break;
    default: break;  // names, references and custom groups need objects of the drawing
  }
}

// The field's value as text, to compare and to show.
std::string valueText(OdDbObject* obj, const dxf::Field& f) {
  void* m = f.member(obj);
  auto num = [](double d) { return dxf::formatDouble(std::round(d * 1e9) / 1e9); };
  switch (f.kind) {
    case dxf::Kind::String: return static_cast<OdString*>(m)->utf8();
    case dxf::Kind::Bool:
    case dxf::Kind::Flag: return std::to_string(*static_cast<bool*>(m));
    case dxf::Kind::Int8: return std::to_string(*static_cast<int8_t*>(m));
    case dxf::Kind::Int16: return std::to_string(*static_cast<int16_t*>(m));
    case dxf::Kind::Int32: return std::to_string(*static_cast<int32_t*>(m));
    case dxf::Kind::Int64: return std::to_string(*static_cast<int64_t*>(m));
    case dxf::Kind::Double:
    case dxf::Kind::Angle: return num(*static_cast<double*>(m));
    case dxf::Kind::Point2d: {
      auto p = *static_cast<OdGePoint2d*>(m);
      return num(p.x) + "," + num(p.y);
    }
    case dxf::Kind::Point3d: {
      auto p = *static_cast<OdGePoint3d*>(m);
      return num(p.x) + "," + num(p.y) + "," + num(p.z);
    }
    case dxf::Kind::Vector3d: {
      auto p = *static_cast<OdGeVector3d*>(m);
      return num(p.x) + "," + num(p.y) + "," + num(p.z);
    }
    case dxf::Kind::Scale3d: {
      auto p = *static_cast<OdGeScale3d*>(m);
      return num(p.sx) + "," + num(p.sy) + "," + num(p.sz);
    }
    case dxf::Kind::Binary: return std::to_string(static_cast<OdBinaryData*>(m)->size());
    default: return std::string();
  }
}

// The properties every entity has, each away from its default.
void setCommonProperties(OdDbEntity* entity, OdDbDatabase* db) {
  EXPECT_TRUE(entity->setLayer(OdString("W\xC3\xA4nde")));
  entity->setLinetype(db->linetypeContinuousId());
  OdCmColor color;
  color.setRGB(10, 20, 30);
  color.setNames(OdString("Night"), OdString("My Book"));
  entity->setColor(color);
  entity->setLineWeight(static_cast<OdDb::LineWeight>(35));
  entity->setLinetypeScale(2.5);
  entity->setTransparency(OdCmTransparency(uint8_t(128)));
  entity->setVisibility(OdDb::kInvisible);
}

std::string commonProperties(const OdDbEntity* e) {
  OdCmColor c = e->color();
  return e->layer().utf8() + " " + e->linetype().utf8() + " " + std::to_string(c.color()) + " " +
         c.colorName().utf8() + "/" + c.bookName().utf8() + " " + std::to_string(e->lineWeight()) + " " +
         dxf::formatDouble(e->linetypeScale()) + " " + std::to_string(e->transparency().serializeOut()) + " " +
         std::to_string(e->visibility());
}

// "code=value" of every plain field, in table order, after the common properties.
std::vector<std::string> fieldValues(OdDbObject* obj) {
  std::vector<std::string> out{commonProperties(OdDbEntity::cast(obj).get())};
  for (const auto& section : obj->dxfLayout().sections())
    for (const dxf::Field& f : section.fields)
      if (f.member) out.push_back(std::to_string(f.code) + "=" + valueText(obj, f));
  return out;
}

// Entity classes of the library a drawing's model space can hold by
// themselves: vertices, attributes, sequence ends and a block's beginning and
// end live only inside their owners, and classes made for unknown records of
// a file read have no fields.
std::vector<OdRxClass*> standaloneEntityClasses() {
  std::vector<OdRxClass*> classes;
  odrxSysRegistry()->forEachEntry([&](const OdString&, OdRxObject* obj) {
    auto* cls = dynamic_cast<OdRxClass*>(obj);
    if (!cls || cls->dxfName().isEmpty() || !cls->constructor() || !cls->isDerivedFrom(OdDbEntity::desc()) ||
        cls->isDerivedFrom(OdDbGenericEntity::desc()))
      return;
    for (const char* owned : {"VERTEX", "ATTRIB", "SEQEND", "BLOCK", "ENDBLK"})
      if (cls->dxfName() == OdString(owned)) return;
    classes.push_back(cls);
  });
  return classes;
}

}  // namespace

TEST(DxfFields, EveryFieldOfEveryEntityClassSurvivesSaveAndReopen) {
  OdDbDatabasePtr db = OdDbDatabase::create();
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(OdString("W\xC3\xA4nde"));
  db->layerTable()->add(layer.get());
  std::map<uint64_t, std::pair<OdRxClass*, std::vector<std::string>>> built;
  for (OdRxClass* cls : standaloneEntityClasses()) {
    OdDbEntityPtr entity = OdDbEntity::cast(cls->create().get());
    int index = 0;
    for (const auto& section : entity->dxfLayout().sections())
      for (const dxf::Field& f : section.fields)
        if (f.member) setAwayFromDefault(entity.get(), f, index++);
    OdDbObjectId id = addToModelSpace(db.get(), entity.get());
    setCommonProperties(entity.get(), db.get());
    built[id.getHandle().value()] = {cls, fieldValues(entity.get())};
  }
  ASSERT_GT(built.size(), 30u);

  OdDbDatabasePtr again = saveAndReopen(db.get());
  for (const auto& [handle, expected] : built) {
    SCOPED_TRACE(expected.first->name().utf8());
    OdDbObjectPtr obj = again->getOdDbObjectId(OdDbHandle(handle)).openObject();
    ASSERT_TRUE(obj);
    EXPECT_EQ(obj->isA()->name().utf8(), expected.first->name().utf8());
    EXPECT_EQ(fieldValues(obj.get()), expected.second);
  }
}

// Numbers read from text are the doubles a correct parser gives, bit for bit,
// whichever way the reader takes to them.
TEST(DxfFields, TextNumbersReadAsTheNearestDouble) {
  const char* const texts[] = {"0.1",    "-0.001", "123456789012345", "1234567890123456", "0.000000000000001",
                               "00012.50", "5.",   ".5",              "-0",               "1e-08",
                               "9007199254740993", "108872.2144", "-33392.7666"};
  for (const char* text : texts) {
    std::string_view view(text);
    double expected = 0;
    std::from_chars(view.data(), view.data() + view.size(), expected);
    double read = dxf::toDouble(view);
    EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << text << " read as " << read;
  }
  EXPECT_EQ(dxf::toDouble(" 7.25\t"), 7.25);
}
