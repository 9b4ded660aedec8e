#pragma once

#include "DbEntity.h"
#include "DxfGroupList.h"
#include "GePoint3d.h"
#include "GeScale3d.h"

// A multileader (MULTILEADER): leader lines pointing from text or a block.
// Its context data, which holds the leaders and their lines, and the lists
// of arrowheads and block attributes are kept as groups in file order.
class OdDbMLeader : public OdDbEntity {
  OD_DXF_CLASS(OdDbMLeader);

 public:
  enum ContentType : int16_t { kNoneContent = 0, kBlockContent = 1, kMTextContent = 2, kToleranceContent = 3 };

  OdDbMLeader();

  OdDbObjectId MLeaderStyle() const { return m_style; }
  void setMLeaderStyle(OdDbObjectId id) { m_style = id; }
  ContentType contentType() const { return static_cast<ContentType>(m_contentType); }
  void setContentType(ContentType t) { m_contentType = t; }
  OdDbObjectId textStyleId() const { return m_textStyle; }
  void setTextStyleId(OdDbObjectId id) { m_textStyle = id; }
  OdDbObjectId blockContentId() const { return m_blockContent; }
  void setBlockContentId(OdDbObjectId id) { m_blockContent = id; }
  OdGeScale3d blockScale() const { return m_blockScale; }
  double scale() const { return m_scale; }

  // The text of text content, from the context data.
  OdString contents() const;
  // Replaces the text of text content; false when the context data has none.
  bool setContents(const OdString& text);

  // "300 CONTEXT_DATA{" to "301 }", with the leaders ("302 LEADER{" .. "303 }")
  // and their lines ("304 LEADER_LINE{" .. "305 }").
  const dxf::GroupList& contextData() const { return m_context; }

  // From its context data: the leader lines with their arrowheads and
  // doglegs, and the text or block content.
  bool subWorldDraw(OdGiWorldDraw* wd) const override;

 private:
  static bool readContext(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeContext(const OdDbObject* obj, OdDbDxfFiler* filer);
  static bool readLists(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext& ctx);
  static void writeLists(const OdDbObject* obj, OdDbDxfFiler* filer);
  // The index of the text group of the context data, or -1.
  int contentsIndex() const;

  int16_t m_version;
  dxf::GroupList m_context;
  OdDbObjectId m_style;
  int32_t m_overrideFlags;
  int16_t m_leaderLineType;
  int32_t m_leaderLineColor;
  OdDbObjectId m_leaderLinetype;
  int16_t m_leaderLineWeight;
  bool m_landing;
  bool m_dogleg;
  double m_doglegLength;
  OdDbObjectId m_arrowHead;
  double m_arrowSize;
  int16_t m_contentType;
  OdDbObjectId m_textStyle;
  int16_t m_textLeftAttachment;
  int32_t m_textRightAttachment;
  int16_t m_textAngleType;
  int16_t m_textAlignment;
  int32_t m_textColor;
  bool m_textFrame;
  OdDbObjectId m_blockContent;
  int32_t m_blockColor;
  OdGeScale3d m_blockScale;
  double m_blockRotation;
  int16_t m_blockConnection;
  bool m_annotative;
  dxf::GroupList m_lists;  // arrowheads (94, 345) and block attributes (330, 177, 44, 302)
  bool m_textDirectionNegative;
  int16_t m_ipeAlign;
  int16_t m_justification;
  double m_scale;
  int16_t m_textAttachmentDirection;
  int16_t m_bottomAttachment;
  int16_t m_topAttachment;
  bool m_extendToText;
};
using OdDbMLeaderPtr = OdSmartPtr<OdDbMLeader>;
