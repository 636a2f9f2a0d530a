// Fills a host triangle mesh from one scene object.
#pragma once

#include "model/scene_object.h"
#include "sdk/mesh.h"

// Vertices, fan triangles of every polygon with its outline visible and its diagonals hidden,
// texture and colour faces and material ids (below `materialCount`). Polygons with fewer than
// three corners or with a corner outside the points give no triangles; corner indices outside
// the texture-coordinate or colour entries, and materials outside the multi-material, leave the
// host's defaults. The mesh stays untouched when no triangle results.
void fillHostMesh(const SceneObject& object, int materialCount, Mesh& mesh);
