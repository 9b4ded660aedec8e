#pragma once

#include "DbObjectId.h"

#include <cstdint>
#include <vector>

class OdGiDrawable;

// Identifies a part of a drawable (a subentity) while it is drawn or picked; 0 for none.
using OdGsMarker = std::intptr_t;

// One drawable of the chain being drawn, innermost first: an entity, the
// block reference that holds it, the reference holding that one...
class OdGiPathNode {
 public:
  // The node of the drawable holding this one; null for the outermost.
  virtual const OdGiPathNode* parent() const = 0;
  // The drawable's object in a database, or null for a transient drawable.
  virtual OdDbStub* persistentDrawableId() const = 0;
  virtual const OdGiDrawable* transientDrawable() const = 0;
  virtual OdGsMarker selectionMarker() const = 0;

 protected:
  ~OdGiPathNode() = default;  // nodes are not owned through this interface
};

// A node holding its fields.
class OdGiPathNodeLink : public OdGiPathNode {
 public:
  explicit OdGiPathNodeLink(OdDbStub* persistentId = nullptr, const OdGiDrawable* transient = nullptr,
                            OdGsMarker marker = 0, const OdGiPathNode* parent = nullptr)
      : m_parent(parent), m_id(persistentId), m_transient(transient), m_marker(marker) {}

  const OdGiPathNode* parent() const override { return m_parent; }
  OdDbStub* persistentDrawableId() const override { return m_id; }
  const OdGiDrawable* transientDrawable() const override { return m_transient; }
  OdGsMarker selectionMarker() const override { return m_marker; }
  void setParent(const OdGiPathNode* parent) { m_parent = parent; }

 private:
  const OdGiPathNode* m_parent;
  OdDbStub* m_id;
  const OdGiDrawable* m_transient;
  OdGsMarker m_marker;
};

// A path of database objects, built from their ids listed outermost first
// (the order of a full subentity path); marker goes to the innermost node.
class OdGiPathChain {
 public:
  explicit OdGiPathChain(const std::vector<OdDbObjectId>& outermostFirst, OdGsMarker marker = 0);
  OdGiPathChain(const OdGiPathChain&) = delete;  // the nodes point at each other
  OdGiPathChain& operator=(const OdGiPathChain&) = delete;

  // Null for an empty path.
  const OdGiPathNode* innermost() const { return m_nodes.empty() ? nullptr : &m_nodes.front(); }

 private:
  std::vector<OdGiPathNodeLink> m_nodes;  // innermost first
};
