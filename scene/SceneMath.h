#pragma once

#include <array>

namespace tessivar::scene {

// Scene coordinates: X right, Y down, Z away from the viewer; angles in degrees.
struct Vector3 {
    float X = 0, Y = 0, Z = 0;
    friend bool operator==(const Vector3&, const Vector3&) = default;
    Vector3 operator+(const Vector3& o) const { return {X + o.X, Y + o.Y, Z + o.Z}; }
    Vector3 operator-(const Vector3& o) const { return {X - o.X, Y - o.Y, Z - o.Z}; }
    Vector3 operator*(float f) const { return {X * f, Y * f, Z * f}; }
    float Length() const;
    Vector3 Normalized() const;
};

inline float Dot(const Vector3& a, const Vector3& b)
{
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

inline Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

// Row-vector convention: a point p maps to p * M; an object's matrix is
// S * R * T * parent. Row 3 holds the translation.
struct Matrix4 {
    std::array<std::array<float, 4>, 4> m{}; // m[row][column]

    static Matrix4 Identity();
    static Matrix4 Scaling(const Vector3& s);
    static Matrix4 Translation(const Vector3& t);
    // Rotation about Y first, then about X, then about Z (degrees). About X by
    // θ, local +Y becomes (0, cos θ, sin θ) and local +Z (0, -sin θ, cos θ);
    // about Y, local +Z becomes (sin θ, 0, cos θ).
    static Matrix4 Rotation(const Vector3& degrees);
    static Matrix4 RotationX(float degrees);
    static Matrix4 RotationY(float degrees);
    static Matrix4 RotationZ(float degrees);

    Matrix4 operator*(const Matrix4& right) const;
    Vector3 TransformPoint(const Vector3& p) const; // p * M, w = 1
    Vector3 TransformDirection(const Vector3& d) const; // d * M, w = 0
    // Inverse of an affine matrix (last column 0, 0, 0, 1).
    Matrix4 AffineInverse() const;
    Vector3 Row(int row) const { return {m[row][0], m[row][1], m[row][2]}; }
};

// Unit quaternion (X, Y, Z, W) as the scene stores an orientation.
struct Quaternion {
    float X = 0, Y = 0, Z = 0, W = 1;
    // The same rotation as a row-vector matrix.
    Matrix4 ToMatrix() const;
};

} // namespace tessivar::scene
