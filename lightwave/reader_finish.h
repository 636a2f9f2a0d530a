// The steps both object readers end with once the file is read.
#pragma once

#include "model/scene.h"

// Drops polygons that name a point their object lacks, generates the texture coordinates of
// projected images, turns LightWave's corner order into the model's and removes repeated corners
// and the polygons left with fewer than three.
void finishObjectScene(Scene& scene);
