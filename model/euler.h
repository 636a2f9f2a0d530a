// Conversions between placement matrices, quaternions and Euler angles of a given rotation order.
#pragma once

#include "model/math.h"

// Arc cosine that snaps to 0 above 0.99999 and to pi below -0.99999.
float clampedAcos(float v);

// Splits m into position, Euler rotation (in `order`) and positive scale. An order outside 0..5
// leaves `rotation` unchanged.
void decompose(const Mat4& m, int order, Vec3& position, Vec3& rotation, Vec3& scale);

// Euler angles of q in `order`; an order outside 0..5 leaves `angles` unchanged.
void toEuler(const Quat& q, int order, Vec3& angles);

// Re-expresses `angles` of order `from` in order `to`, each component unwrapped to lie within pi of
// `reference`.
Vec3 convertEulerOrder(const Vec3& angles, int from, int to, const Vec3& reference);
