#include "ApplicationSetup.h"

#include "MessageBoxes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

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

void SetUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    QApplication::setStyle(new PlainDialogButtons);
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace tessivar::ui
