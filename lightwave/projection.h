// Texture coordinates for colour images that a surface places by a planar, cylindrical or
// spherical projection instead of by a stored texture-coordinate map.
#pragma once

#include "model/scene.h"

// Heading of the vector (a, b), in [-pi/2, 3pi/2).
float cylinderAngle(float a, float b);
// Longitude (the heading of (a, c)) and latitude (the elevation of b) of the vector (a, b, c).
void sphereAngles(float a, float b, float c, float& longitude, float& latitude);

// Gives every corner of every polygon whose material projects its image (projection 1 planar,
// 2 cylindrical, 3 spherical) a new texture-coordinate entry computed from the corner's point,
// the material's projection centre, size and axis (bit 1 X, bit 2 Y, neither Z).
void generateProjectionCoordinates(Scene& scene);
