#pragma once

#include "CmColor.h"
#include "DbEntity.h"
#include "DbHandle.h"
#include "DcComparisonModel.h"
#include "DcSettings.h"
#include "GiDrawableOverrule.h"
#include "GiPathNode.h"
#include "ZrGiHighlight.h"

class OdDbDatabase;

namespace dwgcompare {

// A node of the drawable path handed to the graphics model.
class LocalPathNode : public OdGiPathNode {
 public:
  LocalPathNode() = default;
  LocalPathNode(OdDbStub* persistentId, const OdGiDrawable* transient) : m_id(persistentId), m_transient(transient) {}
  const OdGiPathNode* parent() const override { return m_parent; }
  OdDbStub* persistentDrawableId() const override { return m_id; }
  const OdGiDrawable* transientDrawable() const override { return m_transient; }
  OdGsMarker selectionMarker() const override { return 0; }
  void setParent(const OdGiPathNode* parent) { m_parent = parent; }

 private:
  const OdGiPathNode* m_parent = nullptr;
  OdDbStub* m_id = nullptr;
  const OdGiDrawable* m_transient = nullptr;
};

// Paints the result drawing by comparison group: each entity is hashed and
// looked up in the current comparison's two maps; a hidden group is not
// drawn, a shown one is drawn under its group's highlight type (3 File 1,
// 4 File 2, 5 shared) with its transparency. Entities inside a block
// reference that is not shared take the reference's group.
class DcComparisonDrawableOverrule : public OdGiDrawableOverrule, public DcSettingsReactor {
  ODRX_DECLARE_MEMBERS(DcComparisonDrawableOverrule);

 public:
  enum HighlightType : int { kFile1Highlight = 3, kFile2Highlight = 4, kSharedHighlight = 5 };

  bool isApplicable(const OdRxObject*) const override { return true; }
  bool worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd) override;
  void settingsChanged(DcSettings* settings) override;

  // The maps are read in place; their owner clears the context before it lets them go.
  void setComparisonContext(const ComparedObjectMap* file1Objects, const ComparedObjectMap* file2Objects,
                            OdDbHandle file1Block, OdDbHandle file2Block, OdDbDatabase* result, bool restored);
  void clearComparisonContext();
  OdDbDatabase* resultDatabase() const { return m_resultDatabase; }
  bool isEnabled() const { return m_enabled; }
  void setEnabled(bool enabled) { m_enabled = enabled; }
  // Registers the three groups' styles with the current document's device.
  void refreshHighlightStyles();
  // Takes up the settings object made since (after the module was loaded again).
  void attachToSettings();
  // The settings are about to go (the module is uninitialised).
  void detachFromSettings() { m_settings = nullptr; }

  OdCmTransparency file1Transparency() const { return m_file1Transparency; }
  OdCmTransparency file2Transparency() const { return m_file2Transparency; }
  OdCmTransparency sharedTransparency() const { return m_sharedTransparency; }
  const ZrGi::HighlightStyle& file1Style() const { return m_file1Style; }
  const ZrGi::HighlightStyle& file2Style() const { return m_file2Style; }
  const ZrGi::HighlightStyle& sharedStyle() const { return m_sharedStyle; }

 private:
  bool drawBlockReference(const OdDbEntity* reference, const OdGiDrawable* drawable, OdGiWorldDraw* wd);
  void forgetOuterReferenceOutside(const OdDbEntity* entity);
  ObjectState stateOf(const OdDbEntity* entity) const;
  bool drawInGroup(ObjectState state, const OdDbEntity* entity, const OdGiDrawable* drawable, OdGiWorldDraw* wd);
  void highlightPath(const OdDbEntity* entity, OdGiWorldDraw* wd) const;
  void copyVisibilities();

  bool m_enabled = false;
  OdDbDatabase* m_resultDatabase = nullptr;
  OdDbEntityPtr m_outerReference;
  OdDbHandle m_file1Block;
  OdDbHandle m_file2Block;
  const ComparedObjectMap* m_file1Objects = nullptr;
  const ComparedObjectMap* m_file2Objects = nullptr;
  bool m_file1Visible = true;
  bool m_file2Visible = true;
  bool m_sharedVisible = true;
  bool m_restored = false;
  OdCmTransparency m_file1Transparency;
  OdCmTransparency m_file2Transparency;
  OdCmTransparency m_sharedTransparency;
  DcSettings* m_settings = nullptr;
  ZrGi::HighlightStyle m_file1Style;
  ZrGi::HighlightStyle m_file2Style;
  ZrGi::HighlightStyle m_sharedStyle;
};

// The module's one drawable overrule, made when the module is loaded.
DcComparisonDrawableOverrule& comparisonDrawableOverrule();

// A group's transparency as the display takes it: 0.0 opaque, 0.9 alpha 25.
OdCmTransparency byAlphaTransparency(double transparency);

}  // namespace dwgcompare
