#include "DcComparisonDrawableOverrule.h"

#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DcBlockTableRecordComparison.h"
#include "DcHost.h"
#include "DcResultDrawing.h"
#include "GiWorldDraw.h"
#include "GsModel.h"
#include "HostDocument.h"
#include "HostObjectHashGenerator.h"
#include "IHostVectorizerDeviceExPE.h"

#include <vector>

namespace dwgcompare {

ODRX_DEFINE_MODULE_CLASS(DcComparisonDrawableOverrule, OdGiDrawableOverrule, nullptr)

namespace {
// The fixed words of a group's highlight style, as the host's device expects them.
constexpr int32_t kStyleKind = 31;
constexpr int32_t kStyleOptions = 73;

uint32_t hashValueOf(const OdDbObject* object) {
  return hostObjectCompare::HostObjectHashGenerator().buildHash(object)->value;
}

ZrGi::HighlightStyle styleOf(const OdCmColor& color, double transparency) {
  ZrGi::HighlightStyle style;
  style.kind = kStyleKind;
  style.options = kStyleOptions;
  style.red = color.red();
  style.green = color.green();
  style.blue = color.blue();
  style.alpha = static_cast<uint8_t>(static_cast<int>((1.0 - transparency) * 255));
  return style;
}

// The owner counts as top level when it does not open.
bool ownerEndsOuterReference(const OdDbEntity* entity) {
  OdDbObjectPtr owner = entity->blockId().openObject();
  auto block = OdDbBlockTableRecord::cast(owner.get());
  return block.isNull() || isMarkedResultObject(block.get()) || block->isLayout();
}
}  // namespace

OdCmTransparency byAlphaTransparency(double transparency) {
  double opacity = 1.0 - transparency;
  if (opacity < 0) return OdCmTransparency(uint8_t(0));
  if (opacity > 1) return OdCmTransparency(uint8_t(255));
  return OdCmTransparency(static_cast<uint8_t>(opacity * 255));
}

void DcComparisonDrawableOverrule::attachToSettings() {
  m_settings = getDcSettings();
  if (!m_settings) return;
  copyVisibilities();
  m_file1Transparency = byAlphaTransparency(m_settings->file1Transparency());
  m_file2Transparency = byAlphaTransparency(m_settings->file2Transparency());
  m_sharedTransparency = byAlphaTransparency(m_settings->sharedTransparency());
  refreshHighlightStyles();
  m_settings->addReactor(this);
}

void DcComparisonDrawableOverrule::copyVisibilities() {
  m_file1Visible = m_settings->isFile1Visible();
  m_file2Visible = m_settings->isFile2Visible();
  m_sharedVisible = m_settings->isSharedVisible();
}

void DcComparisonDrawableOverrule::refreshHighlightStyles() {
  if (!m_settings) return;
  m_file1Style = styleOf(m_settings->file1Color(), m_settings->file1Transparency());
  m_file2Style = styleOf(m_settings->file2Color(), m_settings->file2Transparency());
  m_sharedStyle = styleOf(m_settings->sharedColor(), m_settings->sharedTransparency());
  HostDocument* document = hostCurrentDocument();
  if (!document) return;
  HostGsDevice* device = document->device();
  IHostVectorizerDeviceExPE* extension = IHostVectorizerDeviceExPE::cast(device);
  if (!extension) return;
  extension->registerHighlightStyle(device, kFile1Highlight, m_file1Style);
  extension->registerHighlightStyle(device, kFile2Highlight, m_file2Style);
  extension->registerHighlightStyle(device, kSharedHighlight, m_sharedStyle);
}

void DcComparisonDrawableOverrule::settingsChanged(DcSettings* settings) {
  struct GroupSettings {
    bool& visible;
    OdCmTransparency& transparency;
    bool nowVisible;
    double nowTransparency;
  };
  GroupSettings groups[] = {
      {m_file1Visible, m_file1Transparency, settings->isFile1Visible(), settings->file1Transparency()},
      {m_file2Visible, m_file2Transparency, settings->isFile2Visible(), settings->file2Transparency()},
      {m_sharedVisible, m_sharedTransparency, settings->isSharedVisible(), settings->sharedTransparency()},
  };
  for (GroupSettings& group : groups) {
    if (group.visible) group.transparency = byAlphaTransparency(group.nowTransparency);
    if (group.visible == group.nowVisible) continue;
    group.visible = group.nowVisible;
    group.transparency = group.visible ? byAlphaTransparency(group.nowTransparency) : OdCmTransparency(uint8_t(0));
  }
  refreshHighlightStyles();
}

void DcComparisonDrawableOverrule::setComparisonContext(const ComparedObjectMap* file1Objects,
                                                        const ComparedObjectMap* file2Objects, OdDbHandle file1Block,
                                                        OdDbHandle file2Block, OdDbDatabase* result, bool restored) {
  m_file1Objects = file1Objects;
  m_file2Objects = file2Objects;
  m_file1Block = file1Block;
  m_file2Block = file2Block;
  m_resultDatabase = result;
  m_restored = restored;
  // A reference of the drawing shown before stands for nothing in this one.
  m_outerReference = nullptr;
}

void DcComparisonDrawableOverrule::clearComparisonContext() {
  setComparisonContext(nullptr, nullptr, OdDbHandle(), OdDbHandle(), nullptr, false);
}

bool DcComparisonDrawableOverrule::worldDraw(const OdGiDrawable* drawable, OdGiWorldDraw* wd) {
  bool noMaps = (!m_file1Objects || m_file1Objects->empty()) && (!m_file2Objects || m_file2Objects->empty());
  if (!m_enabled || noMaps || wd->regenType() != kOdGiStandardDisplay)
    return OdGiDrawableOverrule::worldDraw(drawable, wd);
  OdDbEntityPtr entity = OdDbEntity::cast(drawable->rxObject());
  if (entity.isNull() || !entity->isDBRO()) return OdGiDrawableOverrule::worldDraw(drawable, wd);
  if (m_settings && (m_settings->isExcludedObject(entity.get()) || m_settings->isFilteredObject(entity.get())))
    return true;
  if (entity->isKindOf(OdDbBlockReference::desc())) return drawBlockReference(entity.get(), drawable, wd);
  if (!m_outerReference.isNull() && ownerEndsOuterReference(entity.get())) m_outerReference = nullptr;
  return drawInGroup(stateOf(m_outerReference.isNull() ? entity.get() : m_outerReference.get()), entity.get(),
                     drawable, wd);
}

// A reference that is not shared stands for everything drawn inside it.
bool DcComparisonDrawableOverrule::drawBlockReference(const OdDbEntity* reference, const OdGiDrawable* drawable,
                                                      OdGiWorldDraw* wd) {
  if (isMarkedResultObject(reference)) return OdGiDrawableOverrule::worldDraw(drawable, wd);
  normaliseSpatialFilter(const_cast<OdDbEntity*>(reference));
  if (stateOf(reference) != ObjectState::Shared) {
    m_outerReference = reference;
  } else if (!m_outerReference.isNull()) {
    OdDbObjectPtr owner = reference->blockId().openObject();
    if (isMarkedResultObject(owner.get())) m_outerReference = nullptr;
  }
  return OdGiDrawableOverrule::worldDraw(drawable, wd);
}

ObjectState DcComparisonDrawableOverrule::stateOf(const OdDbEntity* entity) const {
  static const ComparedObjectMap none;
  return objectState(hashValueOf(entity), m_file1Objects ? *m_file1Objects : none,
                     m_file2Objects ? *m_file2Objects : none);
}

bool DcComparisonDrawableOverrule::drawInGroup(ObjectState state, const OdDbEntity* entity,
                                               const OdGiDrawable* drawable, OdGiWorldDraw* wd) {
  if (state == ObjectState::None) return OdGiDrawableOverrule::worldDraw(drawable, wd);
  struct GroupLook {
    bool visible;
    OdCmTransparency transparency;
    int highlightType;
  };
  GroupLook look = state == ObjectState::File1Only   ? GroupLook{m_file1Visible, m_file1Transparency, kFile1Highlight}
                   : state == ObjectState::File2Only ? GroupLook{m_file2Visible, m_file2Transparency, kFile2Highlight}
                                                     : GroupLook{m_sharedVisible, m_sharedTransparency, kSharedHighlight};
  if (!look.visible) return true;
  wd->subEntityTraits().setTransparency(look.transparency);
  int previousType = ZrGi::zrgiGetHighlightType(wd);
  ZrGi::zrgiSetHighlightType(wd, look.highlightType);
  bool drawn = OdGiDrawableOverrule::worldDraw(drawable, wd);
  highlightPath(entity, wd);
  ZrGi::zrgiSetHighlightType(wd, previousType);
  return drawn;
}

// The graphics model learns which drawable path was painted in a group.
void DcComparisonDrawableOverrule::highlightPath(const OdDbEntity* entity, OdGiWorldDraw* wd) const {
  OdDbDatabase* database = entity->database();
  OdGsModel* model = database ? database->graphicsModel() : nullptr;
  if (!model) return;
  std::vector<LocalPathNode> nodes;
  nodes.reserve(4);
  const OdGiPathNode* current = wd->currentGiPath();
  if (!current || current->persistentDrawableId() != entity->objectId().stub())
    nodes.emplace_back(entity->objectId().stub(), nullptr);
  for (const OdGiPathNode* node = current; node; node = node->parent())
    nodes.emplace_back(node->persistentDrawableId(), node->transientDrawable());
  // Linked only now: the array may have moved while it grew.
  for (size_t i = 0; i + 1 < nodes.size(); ++i) nodes[i].setParent(&nodes[i + 1]);
  model->highlight(nodes.front(), true, nullptr);
}

DcComparisonDrawableOverrule& comparisonDrawableOverrule() {
  static OdStaticRxObject<DcComparisonDrawableOverrule> overrule;
  return overrule;
}

}  // namespace dwgcompare
