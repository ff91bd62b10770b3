#pragma once

#include <QOpenGLTexture>

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace tessivar::render {

// The pictures of lit materials as textures, loaded from the resources by name
// ("banner" is :/pictures/banner.png) on first use, with mipmaps. u repeats,
// so that a picture wrapped around a ball meets itself at the seam.
class PictureTextures {
public:
    // nullptr for an empty name or a picture that does not exist.
    QOpenGLTexture* Find(std::string_view name);

private:
    std::map<std::string, std::unique_ptr<QOpenGLTexture>, std::less<>> textures_;
};

} // namespace tessivar::render
