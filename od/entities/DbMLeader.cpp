#include "DbMLeader.h"

#include "DbBlockTableRecord.h"
#include "GiAnnotationDraw.h"
#include "GiTextFormat.h"
#include "GiWorldDraw.h"

#include <array>

ODRX_DEFINE_NAMED(OdDbMLeader, "AcDbMLeader", OdDbEntity, "MULTILEADER", odrxNewReferenced<OdDbMLeader>)

const dxf::ClassLayout& OdDbMLeader::layout() {
  static const dxf::Custom context{&OdDbMLeader::readContext, &OdDbMLeader::writeContext};
  static const dxf::Custom lists{&OdDbMLeader::readLists, &OdDbMLeader::writeLists};
  static const dxf::Field fields[] = {
      dxf::field<&OdDbMLeader::m_version>(270, dxf::defInt(2)),
      dxf::custom(context),
      dxf::field<&OdDbMLeader::m_style>(340),
      dxf::field<&OdDbMLeader::m_overrideFlags>(90),
      dxf::field<&OdDbMLeader::m_leaderLineType>(170, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_leaderLineColor>(91, dxf::defInt(-1056964608)),
      dxf::field<&OdDbMLeader::m_leaderLinetype>(341),
      dxf::field<&OdDbMLeader::m_leaderLineWeight>(171, dxf::defInt(-2)),
      dxf::field<&OdDbMLeader::m_landing>(290, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_dogleg>(291, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_doglegLength>(41, dxf::def(8)),
      dxf::optional<&OdDbMLeader::m_arrowHead>(342),
      dxf::field<&OdDbMLeader::m_arrowSize>(42, dxf::def(4)),
      dxf::field<&OdDbMLeader::m_contentType>(172, dxf::defInt(kMTextContent)),
      dxf::field<&OdDbMLeader::m_textStyle>(343),
      dxf::field<&OdDbMLeader::m_textLeftAttachment>(173, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_textRightAttachment>(95, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_textAngleType>(174, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_textAlignment>(175),
      dxf::field<&OdDbMLeader::m_textColor>(92, dxf::defInt(-1056964608)),
      dxf::field<&OdDbMLeader::m_textFrame>(292),
      dxf::optional<&OdDbMLeader::m_blockContent>(344),
      dxf::field<&OdDbMLeader::m_blockColor>(93, dxf::defInt(-1056964608)),
      dxf::field<&OdDbMLeader::m_blockScale>(10, dxf::kUnitScale),
      dxf::field<&OdDbMLeader::m_blockRotation>(43),
      dxf::field<&OdDbMLeader::m_blockConnection>(176),
      dxf::field<&OdDbMLeader::m_annotative>(293),
      dxf::custom(lists),
      dxf::field<&OdDbMLeader::m_textDirectionNegative>(294),
      dxf::field<&OdDbMLeader::m_ipeAlign>(178),
      dxf::field<&OdDbMLeader::m_justification>(179, dxf::defInt(1)),
      dxf::field<&OdDbMLeader::m_scale>(45, dxf::def(1)),
      dxf::field<&OdDbMLeader::m_textAttachmentDirection>(271),
      dxf::field<&OdDbMLeader::m_bottomAttachment>(272, dxf::defInt(9)),
      dxf::field<&OdDbMLeader::m_topAttachment>(273, dxf::defInt(9)),
      dxf::field<&OdDbMLeader::m_extendToText>(295),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbMLeader::OdDbMLeader() { layout().applyOwnDefaults(this); }

bool OdDbMLeader::readContext(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  auto& context = static_cast<OdDbMLeader*>(obj)->m_context;
  // The context data repeats many codes of the section: all of it up to its
  // closing 301 is taken here.
  bool open = !context.empty() && context.back().code != 301;
  if (!open && !(context.empty() && g.code == 300)) return false;
  dxf::appendGroup(context, g, ctx);
  return true;
}

// Files of 2010 and later give each leader of the context its attachment
// direction and attachments (271-273), which older files leave out.
namespace {
bool isLeaderAttachmentGroup(int code) { return code >= 271 && code <= 273; }
}  // namespace

void OdDbMLeader::writeContext(const OdDbObject* obj, OdDbDxfFiler* filer) {
  bool versioned = filer->includesVersionedData();
  for (const dxf::KeptGroup& g : static_cast<const OdDbMLeader*>(obj)->m_context)
    if (versioned || !isLeaderAttachmentGroup(g.code)) dxf::writeGroupByCode(filer, g.code, g.text, g.id);
}

bool OdDbMLeader::readLists(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx) {
  switch (g.code) {
    case 94: case 345: case 330: case 177: case 44: case 302:
      dxf::appendGroup(static_cast<OdDbMLeader*>(obj)->m_lists, g, ctx);
      return true;
    default: return false;
  }
}

void OdDbMLeader::writeLists(const OdDbObject* obj, OdDbDxfFiler* filer) {
  dxf::writeGroups(static_cast<const OdDbMLeader*>(obj)->m_lists, filer);
}

int OdDbMLeader::contentsIndex() const {
  // The text is the 304 of the context itself, before the first leader;
  // inside leaders 304 opens a leader line.
  for (size_t i = 0; i < m_context.size(); ++i) {
    if (m_context[i].code == 302) break;
    if (m_context[i].code == 304) return static_cast<int>(i);
  }
  return -1;
}

OdString OdDbMLeader::contents() const {
  int i = contentsIndex();
  return i < 0 ? OdString() : OdString(m_context[static_cast<size_t>(i)].text);
}

bool OdDbMLeader::setContents(const OdString& text) {
  int i = contentsIndex();
  if (i < 0) return false;
  m_context[static_cast<size_t>(i)].text = text.utf8();
  return true;
}

namespace {

// What the context data says is drawn, read group by group.
class MLeaderContext {
 public:
  struct Leader {
    std::vector<std::vector<OdGePoint3d>> lines;  // from the arrowhead on
    OdGePoint3d landing;
    OdGeVector3d dogleg;
    double doglegLength = 0;
    bool hasLanding = false;
  };

  std::vector<Leader> leaders;
  double arrowSize = 0;
  OdGiMTextLayout text;
  OdDbObjectId blockId;
  double blockRotation = 0;

  explicit MLeaderContext(const dxf::GroupList& groups) {
    for (const dxf::KeptGroup& g : groups) read(g);
    text.location = m_points[2];
    text.normal = m_points[1].asVector();
    text.direction = m_points[3].asVector();
  }
  OdGeVector3d blockNormal() const { return m_points[4].asVector(); }
  OdGePoint3d blockLocation() const { return m_points[5]; }
  OdGeScale3d blockScale() const { return {m_points[6].x, m_points[6].y, m_points[6].z}; }

 private:
  // Groups 10..38 are the coordinates of points 0..8.
  static bool setCoordinate(std::array<OdGePoint3d, 9>& points, const dxf::KeptGroup& g) {
    if (g.code < 10 || g.code > 38 || g.code % 10 > 8) return false;
    double v = dxf::toDouble(g.text);
    OdGePoint3d& p = points[static_cast<size_t>(g.code % 10)];
    (g.code < 20 ? p.x : g.code < 30 ? p.y : p.z) = v;
    return true;
  }

  void read(const dxf::KeptGroup& g) {
    switch (g.code) {
      case 302: leaders.emplace_back(); m_leader = {}; m_depth = 1; return;
      case 303: endLeader(); m_depth = 0; return;
      case 305: m_depth = 1; return;
      case 304:
        // Inside a leader it opens a line; in the context itself it is the text.
        if (m_depth != 1) break;
        leaders.back().lines.emplace_back();
        m_depth = 2;
        return;
      default: break;
    }
    if (m_depth == 0) readContent(g);
    else if (m_depth == 1) readLeader(g);
    else readLine(g);
  }

  void endLeader() {
    if (leaders.empty()) return;
    leaders.back().landing = m_leader[0];
    leaders.back().dogleg = m_leader[1].asVector();
  }

  void readContent(const dxf::KeptGroup& g) {
    if (setCoordinate(m_points, g)) return;
    double v = g.code >= 40 && g.code < 150 ? dxf::toDouble(g.text) : 0;
    switch (g.code) {
      case 41: text.height = v; break;
      case 43: text.width = v; break;
      case 45: text.lineSpacingFactor = v; break;
      case 46: blockRotation = v; break;
      case 140: arrowSize = v; break;
      case 171: text.attachment = static_cast<int>(dxf::toInt(g.text)); break;
      case 341: blockId = g.id; break;
      default: break;
    }
  }

  void readLeader(const dxf::KeptGroup& g) {
    if (leaders.empty() || setCoordinate(m_leader, g)) return;
    if (g.code == 40) leaders.back().doglegLength = dxf::toDouble(g.text);
    else if (g.code == 290) leaders.back().hasLanding = dxf::toInt(g.text) != 0;
  }

  void readLine(const dxf::KeptGroup& g) {
    if (leaders.empty() || leaders.back().lines.empty()) return;
    auto& line = leaders.back().lines.back();
    if (g.code == 10) line.emplace_back(dxf::toDouble(g.text), 0, 0);
    else if (g.code == 20 && !line.empty()) line.back().y = dxf::toDouble(g.text);
    else if (g.code == 30 && !line.empty()) line.back().z = dxf::toDouble(g.text);
  }

  int m_depth = 0;  // 0 the context, 1 a leader, 2 a leader line
  std::array<OdGePoint3d, 9> m_points{};
  std::array<OdGePoint3d, 9> m_leader{};
};

void drawPolyline(OdGiWorldDraw* wd, const std::vector<OdGePoint3d>& points) {
  if (points.size() >= 2) wd->geometry().polyline(static_cast<int32_t>(points.size()), points.data());
}

bool isNamed(OdDbObjectId blockId, const char* name) {
  OdDbObjectPtr object = blockId.openObject();
  auto* block = dynamic_cast<const OdDbBlockTableRecord*>(object.get());
  return block && block->getName().iCompare(OdString(name)) == 0;
}

// The block at its location, turned about its normal and scaled.
void drawBlockContent(OdGiWorldDraw* wd, const MLeaderContext& c, OdDbObjectId blockId) {
  OdDbObjectPtr object = blockId.openObject();
  auto* block = dynamic_cast<const OdDbBlockTableRecord*>(object.get());
  if (!block) return;
  OdGeVector3d normal = c.blockNormal().isZeroLength() ? OdGeVector3d::kZAxis : c.blockNormal();
  OdGeScale3d scale = c.blockScale() == OdGeScale3d(0, 0, 0) ? OdGeScale3d() : c.blockScale();
  OdGeMatrix3d transform = OdGeMatrix3d::translation(c.blockLocation().asVector()) *
                           OdGeMatrix3d::rotation(c.blockRotation, normal) * OdGeMatrix3d::planeToWorld(normal) *
                           OdGeMatrix3d::scaling(scale) * OdGeMatrix3d::translation(-block->origin().asVector());
  odGiDrawBlock(wd, blockId, transform);
}

}  // namespace

bool OdDbMLeader::subWorldDraw(OdGiWorldDraw* wd) const {
  MLeaderContext context(m_context);
  double arrowSize = context.arrowSize > 0 ? context.arrowSize : m_arrowSize * m_scale;
  bool visible = m_leaderLineType != 0, arrows = visible && !isNamed(m_arrowHead, "_NONE");
  for (const MLeaderContext::Leader& leader : context.leaders) {
    for (std::vector<OdGePoint3d> line : leader.lines) {
      if (leader.hasLanding) line.push_back(leader.landing);
      if (visible) drawPolyline(wd, line);
      if (arrows && line.size() >= 2) odGiDrawArrowhead(wd, line[0], line[0] - line[1], arrowSize, context.text.normal);
    }
    if (visible && leader.hasLanding && m_landing && m_dogleg && !leader.dogleg.isZeroLength())
      drawPolyline(wd, {leader.landing, leader.landing + leader.dogleg.normal() * leader.doglegLength});
  }
  if (contentType() == kMTextContent) odGiDrawMText(wd, context.text, contents());
  if (contentType() == kBlockContent)
    drawBlockContent(wd, context, context.blockId.isNull() ? m_blockContent : context.blockId);
  return true;
}
