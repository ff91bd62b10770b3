#pragma once

#include <array>

namespace tessivar::scene {

// Scene coordinates: X right, Y down, Z away from the viewer; angles in degrees.
struct Vector3 {
    float X = 0, Y = 0, Z = 0;
    friend bool operator==(const Vector3&, const Vector3&) = default;
};

// Row-vector convention: a point p maps to p * M; M = S * R * T * parent.
struct Matrix4 {
    std::array<std::array<float, 4>, 4> m{};   // m[row][column]
    static Matrix4 Identity();
    static Matrix4 Scaling(const Vector3& s);
    static Matrix4 Translation(const Vector3& t);
    // Rotation about X, then Y, then Z, degrees, turning local axes as the scene's
    // convention requires (local +Z about X by θ becomes (0, -sin θ, cos θ)).
    static Matrix4 Rotation(const Vector3& degrees);
    Matrix4 operator*(const Matrix4& right) const;
    Vector3 TransformPoint(const Vector3& p) const;
    Vector3 TransformDirection(const Vector3& d) const;
};

} // namespace tessivar::scene
