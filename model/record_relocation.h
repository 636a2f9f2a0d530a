// Cheap moves of the heavy per-object records between array slots: the destination takes over
// the source's owned storage, the source is left as a default record.
#pragma once

#include "model/mesh_records.h"
#include "model/scene_object.h"

void relocate(MeshPoint& dst, MeshPoint& src);
void relocate(MeshPolygon& dst, MeshPolygon& src);
// Takes every value copyFrom would copy (so reserved0 ends up 0) and the seven arrays and the name.
void relocate(SceneObject& dst, SceneObject& src);
