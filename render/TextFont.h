#pragma once

#include <QFont>
#include <QString>

namespace tessivar::render {

// The default interface font of 3D text: a Japanese-capable sans-serif UI face.
inline const QString PreferredTextFamily = QStringLiteral("Noto Sans CJK JP");
inline const QString FallbackTextFamily = QStringLiteral("IPAPGothic");

// Text is laid out at one reference size, an em of this many units, and scaled
// to its font size afterwards, so any size (fractional ones too) lays out alike.
inline constexpr int ReferenceEm = 100;

// The font that 3D text is set in, at the reference size. An empty family means
// the default interface font; glyphs missing from a face come from the next.
QFont TextFont(const QString& family);

} // namespace tessivar::render
