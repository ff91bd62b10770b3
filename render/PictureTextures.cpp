#include "PictureTextures.h"

#include <QImage>

namespace tessivar::render {

namespace {

std::unique_ptr<QOpenGLTexture> Load(std::string_view name)
{
    const QImage image(
        QStringLiteral(":/pictures/%1.png").arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
    if (image.isNull())
        return nullptr;
    auto texture = std::make_unique<QOpenGLTexture>(image, QOpenGLTexture::GenerateMipMaps);
    // Bilinear within the nearest mip level: a software renderer spends a
    // good part of a frame on the backdrop's texels, and blending two levels
    // would nearly double that for no visible gain so far away.
    texture->setMinMagFilters(QOpenGLTexture::LinearMipMapNearest, QOpenGLTexture::Linear);
    texture->setWrapMode(QOpenGLTexture::DirectionS, QOpenGLTexture::Repeat);
    texture->setWrapMode(QOpenGLTexture::DirectionT, QOpenGLTexture::ClampToEdge);
    return texture;
}

} // namespace

QOpenGLTexture* PictureTextures::Find(std::string_view name)
{
    if (name.empty())
        return nullptr;
    auto found = textures_.find(name);
    if (found == textures_.end())
        found = textures_.emplace(std::string(name), Load(name)).first;
    return found->second.get();
}

} // namespace tessivar::render
