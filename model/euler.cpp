#include "model/euler.h"

#include <cmath>

namespace {

constexpr float Pi = 3.1415927f;
constexpr float HalfPi = 1.5707964f;
constexpr float TwoPi = 6.2831855f;
constexpr float GimbalLimit = 0.99999f;

float negatedIf(bool negate, float angle) { return negate ? -angle : angle; }

// Rotation angles from the orthonormal upper 3x3 part of m (rows already divided by the scale).
void rotationFromMatrix(const float (&m)[4][4], int order, Vec3& r) {
    float f = 0.0f;
    switch (order) {
        case OrderXYZ: f = -m[0][2]; break;
        case OrderXZY: f = m[0][1]; break;
        case OrderYXZ: f = m[1][2]; break;
        case OrderYZX: f = -m[1][0]; break;
        case OrderZXY: f = -m[2][1]; break;
        default: f = m[2][0]; break;
    }
    if (f > GimbalLimit || f < -GimbalLimit) {
        // Gimbal lock: the first angle is fixed at 0, the middle one at a quarter turn.
        const float middle = negatedIf(f < 0, HalfPi);
        switch (order) {
            case OrderXYZ: r.set(0, middle, negatedIf(-m[1][0] < 0, clampedAcos(m[1][1]))); break;
            case OrderXZY: r.set(0, negatedIf(m[2][0] < 0, clampedAcos(m[2][2])), middle); break;
            case OrderYXZ: r.set(middle, 0, negatedIf(m[0][1] < 0, clampedAcos(m[0][0]))); break;
            case OrderYZX: r.set(negatedIf(-m[2][1] < 0, clampedAcos(m[2][2])), 0, middle); break;
            case OrderZXY: r.set(middle, negatedIf(-m[0][2] < 0, clampedAcos(m[0][0])), 0); break;
            default: r.set(negatedIf(m[1][2] < 0, clampedAcos(m[1][1])), middle, 0); break;
        }
        return;
    }
    const float c = std::sqrt(1.0f - f * f);
    const float middle = negatedIf(f < 0, clampedAcos(c));
    auto angle = [c](float cosine, float sine) { return negatedIf(sine / c < 0, clampedAcos(cosine / c)); };
    switch (order) {
        case OrderXYZ: r.set(angle(m[2][2], m[1][2]), middle, angle(m[0][0], m[0][1])); break;
        case OrderXZY: r.set(angle(m[1][1], -m[2][1]), angle(m[0][0], -m[0][2]), middle); break;
        case OrderYXZ: r.set(middle, angle(m[2][2], -m[0][2]), angle(m[1][1], -m[1][0])); break;
        case OrderYZX: r.set(angle(m[1][1], m[1][2]), angle(m[0][0], m[2][0]), middle); break;
        case OrderZXY: r.set(middle, angle(m[2][2], m[2][0]), angle(m[1][1], m[0][1])); break;
        default: r.set(angle(m[2][2], -m[2][1]), middle, angle(m[0][0], -m[1][0])); break;
    }
}

// One step of the quaternion-to-Euler peeling: which rotated axis is read, which component gives
// the arc cosine, which component decides the sign and in which direction, and which angle
// (0 x, 1 y, 2 z) the step finds.
struct PeelStep {
    int axis;
    int cosine;
    int sign;
    bool negateIfPositive;
    int angle;
};

constexpr PeelStep peelSteps[6][3] = {
    {{0, 0, 1, false, 2}, {0, 0, 2, true, 1}, {1, 1, 2, false, 0}},   // XYZ
    {{0, 0, 2, true, 1}, {0, 0, 1, false, 2}, {2, 2, 1, true, 0}},    // XZY
    {{1, 1, 0, true, 2}, {1, 1, 2, false, 0}, {0, 0, 2, true, 1}},    // YXZ
    {{1, 1, 2, false, 0}, {1, 1, 0, true, 2}, {2, 2, 0, false, 1}},   // YZX
    {{2, 2, 0, false, 1}, {2, 2, 1, true, 0}, {0, 0, 1, false, 2}},   // ZXY
    {{2, 2, 1, true, 0}, {2, 2, 0, false, 1}, {1, 1, 0, true, 2}},    // ZYX
};

float component(const Vec3& v, int i) { return i == 0 ? v.x : i == 1 ? v.y : v.z; }

void setComponent(Vec3& v, int i, float value) { (i == 0 ? v.x : i == 1 ? v.y : v.z) = value; }

// Brings `value` within pi of `reference` by whole turns. Values too far away for single turns to
// matter in float precision are first brought near by a computed number of turns, so the loop
// always ends.
float unwrapNear(float value, float reference) {
    const float difference = value - reference;
    if (!std::isfinite(difference)) return value;
    if (std::fabs(difference) > 64 * TwoPi) {
        const double turns = std::floor((static_cast<double>(difference) + Pi) / TwoPi);
        value = static_cast<float>(value - turns * TwoPi);
    }
    for (int guard = 0; value - reference > Pi && guard < 128; ++guard) value -= TwoPi;
    for (int guard = 0; value - reference < -Pi && guard < 128; ++guard) value += TwoPi;
    return value;
}

}  // namespace

float clampedAcos(float v) {
    if (v > GimbalLimit) return 0.0f;
    if (v < -GimbalLimit) return Pi;
    return std::acos(v);
}

void decompose(const Mat4& m, int order, Vec3& position, Vec3& rotation, Vec3& scale) {
    Mat4 c = m;
    position.set(c.m[3][0], c.m[3][1], c.m[3][2]);
    c.m[3][0] = c.m[3][1] = c.m[3][2] = 0.0f;
    scale.set(transformPoint(Vec3(1, 0, 0), c).length(), transformPoint(Vec3(0, 1, 0), c).length(),
              transformPoint(Vec3(0, 0, 1), c).length());
    const float s[3] = {scale.x, scale.y, scale.z};
    for (int i = 0; i < 3; ++i) {
        // A vanishing axis is zeroed rather than divided by its near-zero length.
        const float d = s[i] > 0.00001f ? 1.0f / s[i] : 0.0f;
        for (int j = 0; j < 4; ++j) c.m[i][j] *= d;
    }
    if (order < OrderXYZ || order > OrderZYX) return;
    rotationFromMatrix(c.m, order, rotation);
}

void toEuler(const Quat& q, int order, Vec3& angles) {
    if (order < OrderXYZ || order > OrderZYX) return;
    Vec3 axes[3] = {rotate(Vec3(1, 0, 0), q), rotate(Vec3(0, 1, 0), q), rotate(Vec3(0, 0, 1), q)};
    Vec3 result;
    for (int stepIndex = 0; stepIndex < 3; ++stepIndex) {
        const PeelStep& step = peelSteps[order][stepIndex];
        Vec3 s = axes[step.axis];
        if (stepIndex < 2) {
            // The first two steps read the axis projected onto the plane of two components.
            for (int i = 0; i < 3; ++i)
                if (i != step.cosine && i != step.sign) setComponent(s, i, 0.0f);
        }
        float angle = 0.0f;
        if (s.length() >= 0.00001f) {
            s.normalize();
            angle = clampedAcos(component(s, step.cosine));
            const float signValue = component(s, step.sign);
            if (step.negateIfPositive ? signValue > 0 : signValue < 0) angle = -angle;
        }
        setComponent(result, step.angle, angle);
        if (stepIndex < 2) {
            // Undo the rotation just found so the next step sees the remaining ones only.
            Quat undo(0, 0, 0, std::cos(-angle / 2));
            if (step.angle == 0) undo.x = std::sin(-angle / 2);
            else if (step.angle == 1) undo.y = std::sin(-angle / 2);
            else undo.z = std::sin(-angle / 2);
            for (Vec3& a : axes) a = rotate(a, undo);
        }
    }
    angles = result;
}

void Quat::toEuler(int order, Vec3& out) const { ::toEuler(*this, order, out); }

Vec3 convertEulerOrder(const Vec3& angles, int from, int to, const Vec3& reference) {
    Quat q;
    q.fromEuler(angles, from);
    Vec3 r;
    toEuler(q, to, r);
    r.x = unwrapNear(r.x, reference.x);
    r.y = unwrapNear(r.y, reference.y);
    r.z = unwrapNear(r.z, reference.z);
    return r;
}
