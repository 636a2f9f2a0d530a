// Which polygons of a read object the host's triangle mesh can hand back whole.
//
// The import builds every polygon as a fan of triangles from its first corner, the diagonals
// hidden; the export joins triangles again across hidden edges that exactly two triangle sides
// share. A polygon therefore comes back whole unless
// - it names one point at two corners (an outline around a hole, joined by a bridge): some fan
//   triangles have two corners on one point and are dropped, and diagonals to the repeated point
//   are shared by four sides;
// - one of its diagonals joins two points that other triangles join too (two faces back to back
//   on the same points, or a diagonal lying on another polygon's side): such an edge is shared by
//   more than two sides and is not merged across.
#pragma once

#include <vector>

#include "model/scene_object.h"

// One flag per polygon of `object`: true when the triangle mesh carries it whole.
std::vector<bool> polygonsCarriedWhole(const SceneObject& object);

// Sum of the polygons' oriented areas (half the sum of p[i] x p[i+1] over each outline). Pieces
// that together stand for a set of polygons have the same sum as that set.
Vec3 orientedArea(const std::vector<std::vector<Vec3>>& outlines);
