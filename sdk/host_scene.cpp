#include "sdk/host_scene.h"

#include <cstring>

HostScene::HostScene() {
    nodes_.emplace_back(new INode("Scene Root", true));
    root_ = nodes_.back().get();
}

// Nodes let go of their objects and materials as they are destroyed; links between them are
// plain pointers, so the order does not matter.
HostScene::~HostScene() = default;

INode* HostScene::CreateNode(const char* name, INode* parent) {
    INode* node = CreateDetachedNode(name);
    (parent ? parent : root_)->AttachChild(node, 0);
    return node;
}

INode* HostScene::CreateDetachedNode(const char* name) {
    nodes_.emplace_back(new INode(name, false));
    return nodes_.back().get();
}

std::vector<INode*> HostScene::NodesInOrder() {
    std::vector<INode*> order;
    std::vector<INode*> pending;
    for (int i = root_->NumberOfChildren() - 1; i >= 0; --i) pending.push_back(root_->GetChildNode(i));
    while (!pending.empty()) {
        INode* n = pending.back();
        pending.pop_back();
        order.push_back(n);
        for (int i = n->NumberOfChildren() - 1; i >= 0; --i) pending.push_back(n->GetChildNode(i));
    }
    return order;
}

INode* HostScene::FindNode(const char* name) {
    for (INode* n : NodesInOrder())
        if (std::strcmp(n->GetName(), name ? name : "") == 0) return n;
    return nullptr;
}

void HostScene::RedrawViews(TimeValue t, DWORD vpFlags, ReferenceTarget*) {
    ++redrawCount_;
    lastRedrawTime_ = t;
    lastRedrawFlags_ = vpFlags;
}

void HostScene::ActivateTexture(MtlBase* map, Mtl*, int) {
    if (!map) return;
    map->SetShownInViewport(true);
    ++textureActivations_;
}

ImpNode* HostImport::CreateNode() {
    if (nodesBeforeFailure_ == 0) return nullptr;
    if (nodesBeforeFailure_ > 0) --nodesBeforeFailure_;
    importNodes_.emplace_back(new ImpNode(scene_.CreateDetachedNode("")));
    return importNodes_.back().get();
}

void HostImport::AddNodeToScene(ImpNode* node) {
    if (!node || !node->GetINode()) return;
    INode* n = node->GetINode();
    if (!n->GetParentNode()) scene_.GetRootNode()->AttachChild(n, 1);
}
