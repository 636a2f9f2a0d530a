#include "sdk/object.h"

namespace {
int liveTriObjects = 0;
int triObjectsBeforeFailure = -1;
}  // namespace

TriObject::TriObject() { ++liveTriObjects; }
TriObject::~TriObject() { --liveTriObjects; }
int TriObject::LiveCount() { return liveTriObjects; }

Object* TriObject::ConvertToType(TimeValue, Class_ID id) {
    return id == triObjectClassID ? this : nullptr;
}

TriObject* CreateNewTriObject() {
    if (triObjectsBeforeFailure == 0) return nullptr;
    if (triObjectsBeforeFailure > 0) --triObjectsBeforeFailure;
    return new TriObject();
}

void SetCreateNewTriObjectFailure(int successes) { triObjectsBeforeFailure = successes; }

Object* GeneratedMeshObject::ConvertToType(TimeValue, Class_ID id) {
    if (id != triObjectClassID) return nullptr;
    TriObject* copy = new TriObject();
    copy->mesh = mesh;
    return copy;
}
