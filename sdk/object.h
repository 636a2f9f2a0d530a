// Scene objects: the geometry a node carries. Triangle objects hold a mesh; other kinds may or
// may not convert to one.
#pragma once

#include "sdk/mesh.h"
#include "sdk/reference.h"

class Object : public ReferenceTarget {
public:
    // Non-zero when the object can be converted to class `id`.
    virtual int CanConvertToType(Class_ID id) = 0;
    // The object as class `id` at time t: the object itself when it already is one, otherwise a
    // new object that the caller releases with DeleteMe. Null when it cannot convert.
    virtual Object* ConvertToType(TimeValue t, Class_ID id) = 0;
};

// Result of evaluating a node: the object at the end of its evaluation (null when none).
struct ObjectState {
    Object* obj = nullptr;
};

class TriObject : public Object {
public:
    Mesh mesh;

    TriObject();
    ~TriObject() override;
    Mesh& GetMesh() { return mesh; }

    Class_ID ClassID() override { return triObjectClassID; }
    SClass_ID SuperClassID() override { return GEOMOBJECT_CLASS_ID; }
    int CanConvertToType(Class_ID id) override { return id == triObjectClassID; }
    Object* ConvertToType(TimeValue t, Class_ID id) override;

    // Triangle objects alive in the process; lets tests see that temporaries were released.
    static int LiveCount();
};

// A new, empty triangle object that nothing holds yet (see SetCreateNewTriObjectFailure).
TriObject* CreateNewTriObject();
// Test hook: after `successes` more successful calls, CreateNewTriObject returns null;
// -1 (the default) never fails.
void SetCreateNewTriObjectFailure(int successes);

// A helper without geometry (a dummy or point helper): it converts to nothing.
class DummyObject : public Object {
public:
    Class_ID ClassID() override { return dummyObjectClassID; }
    SClass_ID SuperClassID() override { return HELPER_CLASS_ID; }
    int CanConvertToType(Class_ID) override { return 0; }
    Object* ConvertToType(TimeValue, Class_ID) override { return nullptr; }
};

// Geometry produced on demand (a parametric or modified object): converting it to a triangle
// object yields a new TriObject holding a copy of its mesh, which the caller must release.
class GeneratedMeshObject : public Object {
public:
    Mesh mesh;

    Class_ID ClassID() override { return generatedMeshClassID; }
    SClass_ID SuperClassID() override { return GEOMOBJECT_CLASS_ID; }
    int CanConvertToType(Class_ID id) override { return id == triObjectClassID; }
    Object* ConvertToType(TimeValue t, Class_ID id) override;
};
