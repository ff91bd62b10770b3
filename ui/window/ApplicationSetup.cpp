#include "ApplicationSetup.h"

#include <QApplication>
#include <QProxyStyle>

namespace tessivar::ui {

namespace {

// Where every user's settings live (~/.config/Tessivar/Tessivar.conf on
// Linux): fixed here, apart from any title the window shows, so that no
// renaming can lose them.
constexpr const char* kSettingsOrganization = "Tessivar";
constexpr const char* kSettingsApplication = "Tessivar";

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
    QApplication::setApplicationName(QString::fromUtf8(kSettingsApplication));
    QApplication::setOrganizationName(QString::fromUtf8(kSettingsOrganization));
    QApplication::setStyle(new PlainDialogButtons);
    UseLanguage(language.value_or(SavedLanguage()));
}

} // namespace tessivar::ui
