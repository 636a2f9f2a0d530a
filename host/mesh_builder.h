// Import side: a read scene built into the host as triangle meshes in scene nodes.
#pragma once

#include "model/scene.h"
#include "sdk/interface.h"

// Converts `scene` to the host's conventions, builds one multi-material for its materials and
// one triangle object and node per object (stored in the object's hostNode), then links the
// nodes into the scene's hierarchy. 1 when every object was built; 0 when there is no import
// interface or the host made no triangle object or node (objects built before stay in the host).
int buildHostScene(Scene& scene, ImpInterface* importer, Interface* host);
