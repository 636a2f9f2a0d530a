// Decides which groups of polygons joined by merge edges can become one polygon.
#pragma once

#include "passes/outline_walk.h"

// A group whose outline is not exactly one closed loop cannot be one polygon: with no outline
// (a closed surface) merging would drop the whole group, and with several loops (a hole, the two
// rims of a tube) one polygon would cover the opening. Such groups keep their polygons: their
// merge edges are demoted to ordinary edges.
void demoteUnmergeableGroups(const SceneObject& object, OutlineWalk& walk);
