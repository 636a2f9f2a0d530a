// Clean-up passes the importers run: repeated corners, degenerate polygons, shared corner colours.
#pragma once

#include "model/scene.h"

bool removeDegeneratePolygons(Scene& scene);
bool expandCornerColors(Scene& scene);
bool mergeCornerColors(Scene& scene);
