#include "TextFont.h"

#include <QStringList>

namespace tessivar::render {

QFont TextFont(const QString& family)
{
    QStringList families;
    if (!family.isEmpty())
        families << family;
    families << PreferredTextFamily << FallbackTextFamily;
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(ReferenceEm);
    // The outlines are scaled by the scene; hinting would bend them towards a
    // pixel grid that does not exist there.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace tessivar::render
