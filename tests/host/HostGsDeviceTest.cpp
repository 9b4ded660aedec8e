#include "DbMText.h"
#include "DbText.h"
#include "GiDrawableOverrule.h"
#include "GiWorldDraw.h"
#include "HostDrawingTestSupport.h"
#include "HostGsDevice.h"
#include "HostTestSupport.h"
#include "IHostVectorizerDeviceExPE.h"
#include "OdError.h"
#include "ZrGiHighlight.h"

#include <QXmlStreamReader>

namespace {

// Draws every entity under a highlight type and with a by-alpha
// transparency, as the comparison module's overrule does.
class HighlightingOverrule : public OdGiDrawableOverrule {
 public:
  int highlightType = 3;
  uint8_t alpha = 255;
  bool throws = false;

  bool worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd) override {
    if (throws) throw OdError(eInvalidInput, "this entity cannot be drawn");
    int outer = ZrGi::zrgiGetHighlightType(wd);
    ZrGi::zrgiSetHighlightType(wd, highlightType);
    wd->subEntityTraits().setTransparency(OdCmTransparency(alpha));
    bool drawn = OdGiDrawableOverrule::worldDraw(drawable, wd);
    ZrGi::zrgiSetHighlightType(wd, outer);
    return drawn;
  }
};

ZrGi::HighlightStyle styleOf(uint8_t r, uint8_t g, uint8_t b, uint8_t a) { return {31, 73, r, g, b, a, 0, 0}; }

// A red line across a new drawing, seen whole in a 200 x 100 view.
class HostGsDeviceTest : public HostFixture {
 protected:
  HostGsDeviceTest() {
    app->docManager().newDocument(&doc);
    addLine(doc->database(), {0, 0, 0}, {100, 0, 0}, 1);
    addLine(doc->database(), {0, -20, 0}, {0, 20, 0}, 5);  // for a view of some height
    device = doc->device();
  }
  ~HostGsDeviceTest() override {
    if (overruling) OdRxOverrule::removeOverrule(OdDbEntity::desc(), &overrule);
    OdRxOverrule::setIsOverruling(wasOverruling);
  }
  void overruleEntities() {
    ASSERT_EQ(OdRxOverrule::addOverrule(OdDbEntity::desc(), &overrule), eOk);
    overruling = true;
    OdRxOverrule::setIsOverruling(true);
  }
  // The colour in the middle of the red line, a quarter of the way along.
  QRgb lineColour() {
    QImage image = pngOf(device->pngImage(200, 100));
    EXPECT_FALSE(image.isNull());
    OdGePoint2d p = device->view().transform(200, 100).toPixel(OdGePoint3d(25, 0, 0));
    return image.pixel(static_cast<int>(p.x), static_cast<int>(p.y));
  }
  void registerStyle(int type, const ZrGi::HighlightStyle& style) {
    IHostVectorizerDeviceExPE::cast(device)->registerHighlightStyle(device, type, style);
  }

  HostDocument* doc = nullptr;
  HostGsDevice* device = nullptr;
  OdStaticRxObject<HighlightingOverrule> overrule;
  bool overruling = false;
  bool wasOverruling = OdRxOverrule::isOverruling();
};

// Drawn in the entity's own colour, unless under a registered highlight type.
TEST_F(HostGsDeviceTest, WhatIsDrawnUnderARegisteredTypeTakesItsStyle) {
  EXPECT_LE(colourDistance(lineColour(), qRgb(255, 0, 0)), 2);
  registerStyle(3, styleOf(0, 255, 0, 255));
  overruleEntities();
  EXPECT_LE(colourDistance(lineColour(), qRgb(0, 255, 0)), 2);
  // Another type, or none, keeps the entity's colour.
  overrule.highlightType = 4;
  EXPECT_LE(colourDistance(lineColour(), qRgb(255, 0, 0)), 2);
  overrule.highlightType = 0;
  EXPECT_LE(colourDistance(lineColour(), qRgb(255, 0, 0)), 2);
}

TEST_F(HostGsDeviceTest, StyleAlphaAndTheTraitsTransparencyMultiply) {
  overruleEntities();
  registerStyle(3, styleOf(0, 255, 0, 128));
  EXPECT_LE(colourDistance(lineColour(), blendedOverBackground(0x00FF00, 128)), 3);
  registerStyle(3, styleOf(0, 255, 0, 255));  // replaces the style
  overrule.alpha = 128;
  EXPECT_LE(colourDistance(lineColour(), blendedOverBackground(0x00FF00, 128)), 3);
  registerStyle(3, styleOf(0, 255, 0, 128));
  EXPECT_LE(colourDistance(lineColour(), blendedOverBackground(0x00FF00, 64)), 3);
}

TEST_F(HostGsDeviceTest, ExportWritesPngAndSvgByTheirExtension) {
  ASSERT_TRUE(app->typeLine(OdString("EXPORT " + dir / "view.png" + " 320 240"))) << commandLog();
  QImage png(QString::fromStdString(dir / "view.png"));
  ASSERT_FALSE(png.isNull());
  EXPECT_EQ(png.size(), QSize(320, 240));
  EXPECT_GT(pixelsOfColour(png, 0xFF0000), 300) << "the red line";
  EXPECT_GT(pixelsOfColour(png, 0x0000FF), 200) << "the blue line";
  ASSERT_TRUE(app->typeLine(OdString("EXPORT " + dir / "wide.png" + " 400"))) << commandLog();
  EXPECT_EQ(QImage(QString::fromStdString(dir / "wide.png")).size(), QSize(400, 300)) << "four by three";

  ASSERT_TRUE(app->typeLine(OdString("EXPORT " + dir / "VIEW.SVG"))) << commandLog();
  std::string svg = readText(dir / "VIEW.SVG");
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  int polylines = 0;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("polyline")) ++polylines;
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(polylines, 2);
  EXPECT_NE(svg.find("width=\"1600\" height=\"1200\""), std::string::npos);
  EXPECT_NE(svg.find("stroke=\"#ff0000\""), std::string::npos);
  // Written beside the target and renamed: no temporary file is left.
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(HostGsDeviceTest, TextComesOutInItsColourAndEscapedInSvg) {
  OdDbBlockTableRecordPtr modelSpace =
      OdDbBlockTableRecord::cast(doc->database()->getModelSpaceId().openObject(OdDb::kForWrite).get());
  OdDbTextPtr text = OdDbText::createObject();
  text->setDatabaseDefaults(doc->database());
  text->setPosition({10, 5, 0});
  text->setHeight(10);
  text->setTextString("<A & B>");
  text->setColorIndex(3);
  modelSpace->appendOdDbEntity(text.get());

  std::string svg = device->svgDocument(400, 300);
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  QString shown;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("text"))
      shown = xml.readElementText();
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(shown.toStdString(), "<A & B>");
  EXPECT_NE(svg.find("fill=\"#00ff00\""), std::string::npos);

  EXPECT_GT(pixelsOfColour(pngOf(device->pngImage(400, 300)), 0x00FF00, 40), 20) << "the glyphs";
}

TEST_F(HostGsDeviceTest, AnEntityFollowingTheCursorIsDrawnOverTheDrawingUntilCleared) {
  // Not in the drawing: the text a command is placing.
  OdDbMTextPtr text = OdDbMText::createObject();
  text->setDatabaseDefaults(doc->database());
  text->setContents("placed\r\nhere");
  text->setLocation({10, 15, 0});
  text->setColorIndex(3);
  device->setFollowingEntity(text.get());
  EXPECT_GT(pixelsOfColour(pngOf(device->pngImage(400, 300)), 0x00FF00, 40), 20);
  device->setFollowingEntity(nullptr);
  EXPECT_EQ(pixelsOfColour(pngOf(device->pngImage(400, 300)), 0x00FF00, 40), 0);
}

TEST_F(HostGsDeviceTest, ExportNamesTheFileWhenItCannot) {
  EXPECT_FALSE(app->typeLine(OdString("EXPORT " + dir / "view.bmp")));
  EXPECT_NE(commandLog().find("view.bmp: cannot export: the file name must end in .png or .svg"), std::string::npos) << commandLog();
  EXPECT_FALSE(app->typeLine(OdString("EXPORT " + dir / "missing/view.png")));
  EXPECT_NE(commandLog().find("missing/view.png: cannot write"), std::string::npos) << commandLog();
  EXPECT_FALSE(app->typeLine(OdString("EXPORT " + dir / "view.png 0 10")));
  EXPECT_NE(commandLog().find("invalid size \"0\""), std::string::npos) << commandLog();
  EXPECT_FALSE(app->typeLine(OdString("EXPORT " + dir / "view.png 20000 10")));
  EXPECT_NE(commandLog().find("view.png: cannot export at 20000x10 pixels"), std::string::npos) << commandLog();
  EXPECT_FALSE(std::filesystem::exists(dir / "view.png"));
}

TEST_F(HostGsDeviceTest, ExportOfADrawingThatThrowsFailsNamingTheFile) {
  overruleEntities();
  overrule.throws = true;
  EXPECT_FALSE(app->typeLine(OdString("EXPORT " + dir / "view.svg")));
  EXPECT_NE(commandLog().find("view.svg: cannot export: this entity cannot be drawn"), std::string::npos) << commandLog();
  EXPECT_FALSE(std::filesystem::exists(dir / "view.svg"));
}

}  // namespace
