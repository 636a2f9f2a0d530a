// What the host hands to plug-ins: its main interface, and for imports the import interface
// with the import nodes it creates; for exports an export interface.
#pragma once

#include "sdk/inode.h"

// Redraw flags of Interface::RedrawViews.
constexpr DWORD REDRAW_BEGIN = 1u << 0;
constexpr DWORD REDRAW_INTERACTIVE = 1u << 1;
constexpr DWORD REDRAW_END = 1u << 2;
constexpr DWORD REDRAW_NORMAL = 1u << 3;

class Interface {
public:
    virtual ~Interface() = default;
    // The current host time.
    virtual TimeValue GetTime() = 0;
    // Redraws the views at time t; `change` names the item that changed (null: none).
    virtual void RedrawViews(TimeValue t, DWORD vpFlags = REDRAW_NORMAL, ReferenceTarget* change = nullptr) = 0;
    virtual INode* GetRootNode() = 0;
    // Shows map `map` of material `mtl` in the viewports; subNum -1 means the material itself.
    virtual void ActivateTexture(MtlBase* map, Mtl* mtl, int subNum = -1) = 0;
};

// A node under construction by an importer; it stands for one scene node.
class ImpNode {
public:
    explicit ImpNode(INode* node) : node_(node) {}
    virtual ~ImpNode() = default;
    // Makes obj the node's object (the node holds it).
    virtual void Reference(Object* obj) { node_->SetObjectRef(obj); }
    virtual void SetTransform(TimeValue t, const Matrix3& tm) { node_->SetNodeTM(t, tm); }
    virtual void SetName(const char* name) { node_->SetName(name); }
    // The scene node behind this import node.
    virtual INode* GetINode() { return node_; }

private:
    INode* node_;
};

class ImpInterface {
public:
    virtual ~ImpInterface() = default;
    // A new import node, not yet in the scene; null when the host cannot make one. The host
    // keeps ownership of the import node.
    virtual ImpNode* CreateNode() = 0;
    // Puts the node into the scene under the root.
    virtual void AddNodeToScene(ImpNode* node) = 0;
    virtual void RedrawViews() = 0;
    virtual TimeValue GetTime() = 0;
};

// Handed to exporters; the scene is reached through Interface, so it carries nothing.
class ExpInterface {
public:
    virtual ~ExpInterface() = default;
};
