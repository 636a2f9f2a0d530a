// Scene nodes: name, selection, place in the hierarchy, placement, object and material.
// Nodes are made and owned by a HostScene (sdk/host_scene.h).
#pragma once

#include <string>
#include <vector>

#include "sdk/material.h"
#include "sdk/matrix3.h"
#include "sdk/object.h"

class INode {
public:
    INode(const INode&) = delete;
    INode& operator=(const INode&) = delete;
    ~INode();

    const char* GetName() const { return name_.c_str(); }
    void SetName(const char* name) { name_ = name ? name : ""; }
    int Selected() const { return selected_; }
    void SetSelected(bool on) { selected_ = on; }
    int IsRootNode() const { return parent_ == nullptr && isRoot_; }

    // The node's object (the node holds it; replacing it lets go of the old one).
    Object* GetObjectRef() const { return object_.get(); }
    void SetObjectRef(Object* obj) { object_.reset(obj); }
    // The object at the end of the node's evaluation at time t. The stand-in has no modifiers,
    // so it is the node's object; evalHidden is accepted for the host's signature.
    ObjectState EvalWorldState(TimeValue t, BOOL evalHidden = TRUE);

    // World transform (node to world) at time t; the root node's is the identity.
    Matrix3 GetNodeTM(TimeValue t, Interval* valid = nullptr) const;
    // Makes the world transform at time t equal to tm (the root node ignores it).
    void SetNodeTM(TimeValue t, const Matrix3& tm);
    // World transform of the parent (the identity for the root node).
    Matrix3 GetParentTM(TimeValue t) const;
    // Transform relative to the parent.
    const Matrix3& GetLocalTM() const { return local_; }

    INode* GetParentNode() const { return parent_; }
    int NumberOfChildren() const { return int(children_.size()); }
    INode* GetChildNode(int i) const;
    // Makes `child` the last child of this node, taking it from its former parent. With keepTM
    // non-zero its world transform stays; with 0 its transform relative to the parent stays.
    // Refused (nothing changes) when child is this node, the root, or one of this node's
    // ancestors, which would make a cycle.
    void AttachChild(INode* child, int keepTM = 1);
    // Detaches this node from its parent, keeping its world transform; it leaves the scene tree.
    void Detach();

    Mtl* GetMtl() const { return material_.get(); }
    void SetMtl(Mtl* m) { material_.reset(m); }

private:
    friend class HostScene;
    INode(const char* name, bool isRoot) : name_(name ? name : ""), isRoot_(isRoot) {}
    void unlinkFromParent();

    std::string name_;
    bool isRoot_ = false;
    bool selected_ = false;
    INode* parent_ = nullptr;
    std::vector<INode*> children_;
    Matrix3 local_;
    RefHolder<Object> object_;
    RefHolder<Mtl> material_;
};
