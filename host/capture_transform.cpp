// A node's placement relative to its parent, as local position, rotation and scale.
#include "host/capture_parts.h"
#include "model/euler.h"

void captureLocalTransform(SceneObject& object, INode* node, TimeValue t, bool relativeToParent) {
    Matrix3 local = node->GetNodeTM(t);
    if (relativeToParent) {
        Matrix3 parentInverse = node->GetParentTM(t);
        // A parent scaled to nothing has no inverse; its child's world placement is then the best
        // placement left to keep.
        if (parentInverse.Invert()) local *= parentInverse;
    }

    // The host matrix's axis rows and translation row become rows 0 to 3 of the model matrix.
    Mat4 m;
    for (int c = 0; c < 3; ++c) {
        const Point4 column = local.GetColumn(c);
        for (int r = 0; r < 4; ++r) m.m[r][c] = column[r];
    }
    for (int r = 0; r < 4; ++r) m.m[r][3] = r == 3 ? 1.0f : 0.0f;

    Transform& transform = object.transform;
    decompose(m, OrderXYZ, transform.localPosition, transform.localRotation, transform.localScale);
    // The capture's axis conversion exchanges y and z, which turns angles of order XYZ into
    // angles of order XZY.
    object.rotationOrder = OrderXZY;
}
