#include "ApplicationSetup.h"

#include "MessageBoxes.h"

#include <QApplication>
#include <QProxyStyle>

namespace tessivar::ui {

namespace {

// Some desktop themes put icons on dialog buttons; the design has none.
class PlainDialogButtons final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void SetUpApplication(std::optional<Language> language)
{
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    QApplication::setOrganizationName(QString::fromUtf8(kApplicationTitle));
    QApplication::setStyle(new PlainDialogButtons);
    UseLanguage(language.value_or(SavedLanguage()));
}

} // namespace tessivar::ui
