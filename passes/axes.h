// Passes that move a scene between axis, handedness and texture-coordinate conventions.
#pragma once

#include "model/scene.h"

// Axis codes: which signed axis a stored component holds.
enum AxisCode : int { AxisPosX = 0, AxisNegX = 1, AxisPosY = 2, AxisNegY = 3, AxisNegZ = 4, AxisPosZ = 5 };

// flipTextureCoordinates flags.
constexpr unsigned FlipU = 0x100u;
constexpr unsigned FlipV = 0x200u;

bool convertAxes(Scene& scene, int sourceX, int sourceY, int sourceZ, int targetX, int targetY,
                 int targetZ);
bool remapAxes(Scene& scene, int targetX, int targetY, int targetZ);
bool convertHandedness(Scene& scene, int sourceHandedness, int targetHandedness);
bool setHandedness(Scene& scene, int targetHandedness);
bool flipTextureCoordinates(Scene& scene, unsigned flags);
