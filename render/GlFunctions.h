#pragma once

#include "SceneMath.h"

#include <QMatrix4x4>
#include <QOpenGLFunctions_3_3_Core>
#include <QString>
#include <QVector3D>
#include <QVector4D>

#include <cstdint>

namespace tessivar::render {

using GL = QOpenGLFunctions_3_3_Core;

// What a view reports when its context cannot draw with GL.
inline QString NoOpenGl33Error()
{
    return QStringLiteral("OpenGL 3.3 core profile is not available");
}

// The scene's row-vector matrix as the column-vector matrix that shaders use.
inline QMatrix4x4 ToQt(const scene::Matrix4& m)
{
    return QMatrix4x4(&m.m[0][0]).transposed();
}

inline QVector3D ToQt(const scene::Vector3& v)
{
    return {v.X, v.Y, v.Z};
}

// 0xAARRGGBB as red, green, blue, alpha from 0 to 1.
inline QVector4D ColourOf(std::uint32_t argb)
{
    const auto channel = [argb](int shift) { return static_cast<float>((argb >> shift) & 0xFF) / 255.0F; };
    return {channel(16), channel(8), channel(0), channel(24)};
}

} // namespace tessivar::render
