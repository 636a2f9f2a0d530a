// The stand-in host: an in-memory scene with a root node, that code can fill (to export from
// it) and inspect (after an import), and the host interfaces plug-ins are called with.
#pragma once

#include <memory>
#include <vector>

#include "sdk/interface.h"

class HostScene : public Interface {
public:
    HostScene();
    ~HostScene() override;
    HostScene(const HostScene&) = delete;
    HostScene& operator=(const HostScene&) = delete;

    // A new node named `name` placed as the last child of `parent` (the root when null).
    INode* CreateNode(const char* name, INode* parent = nullptr);
    // A new node outside the tree (as an importer's node before it is added).
    INode* CreateDetachedNode(const char* name);
    // Every node reachable from the root, root excluded, in depth-first pre-order.
    std::vector<INode*> NodesInOrder();
    // First node of that name in depth-first pre-order, or null.
    INode* FindNode(const char* name);

    TimeValue GetTime() override { return time_; }
    void SetTime(TimeValue t) { time_ = t; }
    void RedrawViews(TimeValue t, DWORD vpFlags = REDRAW_NORMAL, ReferenceTarget* change = nullptr) override;
    INode* GetRootNode() override { return root_; }
    void ActivateTexture(MtlBase* map, Mtl* mtl, int subNum = -1) override;

    // What plug-ins asked of the host, for callers to verify.
    int RedrawCount() const { return redrawCount_; }
    TimeValue LastRedrawTime() const { return lastRedrawTime_; }
    DWORD LastRedrawFlags() const { return lastRedrawFlags_; }
    int TextureActivationCount() const { return textureActivations_; }

private:
    std::vector<std::unique_ptr<INode>> nodes_;  // every node ever made; links are raw pointers
    INode* root_ = nullptr;
    TimeValue time_ = 0;
    int redrawCount_ = 0;
    TimeValue lastRedrawTime_ = 0;
    DWORD lastRedrawFlags_ = 0;
    int textureActivations_ = 0;
};

// The import interface of one import into a HostScene.
class HostImport : public ImpInterface {
public:
    explicit HostImport(HostScene& scene) : scene_(scene) {}

    ImpNode* CreateNode() override;
    void AddNodeToScene(ImpNode* node) override;
    void RedrawViews() override { ++redrawCount_; }
    TimeValue GetTime() override { return scene_.GetTime(); }

    int RedrawCount() const { return redrawCount_; }
    // Test hook: after `successes` more nodes, CreateNode returns null; -1 (default) never fails.
    void FailCreateNodeAfter(int successes) { nodesBeforeFailure_ = successes; }

private:
    HostScene& scene_;
    std::vector<std::unique_ptr<ImpNode>> importNodes_;
    int redrawCount_ = 0;
    int nodesBeforeFailure_ = -1;
};
