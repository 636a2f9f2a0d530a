#include "sdk/inode.h"

#include <algorithm>

INode::~INode() = default;

ObjectState INode::EvalWorldState(TimeValue, BOOL) {
    ObjectState state;
    state.obj = object_.get();
    return state;
}

Matrix3 INode::GetNodeTM(TimeValue t, Interval* valid) const {
    if (valid) *valid = Interval();
    if (isRoot_) return Matrix3();
    return parent_ ? local_ * parent_->GetNodeTM(t) : local_;
}

void INode::SetNodeTM(TimeValue t, const Matrix3& tm) {
    if (isRoot_) return;
    local_ = tm;
    if (parent_) {
        Matrix3 parentInverse = parent_->GetNodeTM(t);
        if (parentInverse.Invert()) local_ *= parentInverse;
    }
}

Matrix3 INode::GetParentTM(TimeValue t) const { return parent_ ? parent_->GetNodeTM(t) : Matrix3(); }

INode* INode::GetChildNode(int i) const {
    return i >= 0 && size_t(i) < children_.size() ? children_[size_t(i)] : nullptr;
}

void INode::AttachChild(INode* child, int keepTM) {
    if (!child || child->isRoot_) return;
    for (const INode* n = this; n; n = n->parent_)
        if (n == child) return;
    Matrix3 world = child->GetNodeTM(0);
    child->unlinkFromParent();
    child->parent_ = this;
    children_.push_back(child);
    if (keepTM) child->SetNodeTM(0, world);
}

void INode::Detach() {
    Matrix3 world = GetNodeTM(0);
    unlinkFromParent();
    if (!isRoot_) local_ = world;
}

void INode::unlinkFromParent() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_ = nullptr;
}
