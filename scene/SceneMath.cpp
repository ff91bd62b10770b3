#include "SceneMath.h"

#include <cmath>
#include <numbers>

namespace tessivar::scene {

namespace {

void SinCos(float degrees, float& s, float& c)
{
    const double radians = static_cast<double>(degrees) * std::numbers::pi / 180.0;
    s = static_cast<float>(std::sin(radians));
    c = static_cast<float>(std::cos(radians));
}

} // namespace

float Vector3::Length() const
{
    return std::sqrt(X * X + Y * Y + Z * Z);
}

Vector3 Vector3::Normalized() const
{
    const float length = Length();
    return length > 0 ? *this * (1 / length) : *this;
}

Matrix4 Matrix4::Identity()
{
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        r.m[i][i] = 1;
    return r;
}

Matrix4 Matrix4::Scaling(const Vector3& s)
{
    Matrix4 r = Identity();
    r.m[0][0] = s.X;
    r.m[1][1] = s.Y;
    r.m[2][2] = s.Z;
    return r;
}

Matrix4 Matrix4::Translation(const Vector3& t)
{
    Matrix4 r = Identity();
    r.m[3][0] = t.X;
    r.m[3][1] = t.Y;
    r.m[3][2] = t.Z;
    return r;
}

Matrix4 Matrix4::RotationX(float degrees)
{
    float s, c;
    SinCos(degrees, s, c);
    Matrix4 r = Identity();
    r.m[1][1] = c;
    r.m[1][2] = s;
    r.m[2][1] = -s;
    r.m[2][2] = c;
    return r;
}

Matrix4 Matrix4::RotationY(float degrees)
{
    float s, c;
    SinCos(degrees, s, c);
    Matrix4 r = Identity();
    r.m[0][0] = c;
    r.m[0][2] = -s;
    r.m[2][0] = s;
    r.m[2][2] = c;
    return r;
}

Matrix4 Matrix4::RotationZ(float degrees)
{
    float s, c;
    SinCos(degrees, s, c);
    Matrix4 r = Identity();
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix4 Matrix4::Rotation(const Vector3& degrees)
{
    // Most objects turn about one axis or none: skip the identity factors.
    Matrix4 r = degrees.Y != 0 ? RotationY(degrees.Y) : Identity();
    if (degrees.X != 0)
        r = r * RotationX(degrees.X);
    if (degrees.Z != 0)
        r = r * RotationZ(degrees.Z);
    return r;
}

Matrix4 Matrix4::operator*(const Matrix4& right) const
{
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j]
                = m[i][0] * right.m[0][j] + m[i][1] * right.m[1][j] + m[i][2] * right.m[2][j] + m[i][3] * right.m[3][j];
    return r;
}

Vector3 Matrix4::TransformDirection(const Vector3& d) const
{
    return {d.X * m[0][0] + d.Y * m[1][0] + d.Z * m[2][0], d.X * m[0][1] + d.Y * m[1][1] + d.Z * m[2][1],
            d.X * m[0][2] + d.Y * m[1][2] + d.Z * m[2][2]};
}

Vector3 Matrix4::TransformPoint(const Vector3& p) const
{
    return TransformDirection(p) + Row(3);
}

Matrix4 Matrix4::AffineInverse() const
{
    // Inverse of the upper 3x3 by cofactors, then the translation carried back.
    const float a = m[0][0], b = m[0][1], c = m[0][2];
    const float d = m[1][0], e = m[1][1], f = m[1][2];
    const float g = m[2][0], h = m[2][1], i = m[2][2];
    const float A = e * i - f * h, B = f * g - d * i, C = d * h - e * g;
    const float inverseDeterminant = 1 / (a * A + b * B + c * C);
    Matrix4 r = Identity();
    r.m[0][0] = A * inverseDeterminant;
    r.m[0][1] = (c * h - b * i) * inverseDeterminant;
    r.m[0][2] = (b * f - c * e) * inverseDeterminant;
    r.m[1][0] = B * inverseDeterminant;
    r.m[1][1] = (a * i - c * g) * inverseDeterminant;
    r.m[1][2] = (c * d - a * f) * inverseDeterminant;
    r.m[2][0] = C * inverseDeterminant;
    r.m[2][1] = (b * g - a * h) * inverseDeterminant;
    r.m[2][2] = (a * e - b * d) * inverseDeterminant;
    const Vector3 t = r.TransformDirection(Row(3)) * -1;
    r.m[3][0] = t.X;
    r.m[3][1] = t.Y;
    r.m[3][2] = t.Z;
    return r;
}

Matrix4 Quaternion::ToMatrix() const
{
    Matrix4 r = Matrix4::Identity();
    r.m[0][0] = 1 - 2 * (Y * Y + Z * Z);
    r.m[0][1] = 2 * (X * Y + Z * W);
    r.m[0][2] = 2 * (X * Z - Y * W);
    r.m[1][0] = 2 * (X * Y - Z * W);
    r.m[1][1] = 1 - 2 * (X * X + Z * Z);
    r.m[1][2] = 2 * (Y * Z + X * W);
    r.m[2][0] = 2 * (X * Z + Y * W);
    r.m[2][1] = 2 * (Y * Z - X * W);
    r.m[2][2] = 1 - 2 * (X * X + Y * Y);
    return r;
}

} // namespace tessivar::scene
