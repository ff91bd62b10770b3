#include "MessageText.h"

#include <QCoreApplication>
#include <QStringList>

namespace tessivar::ui {

QString MessageText(const Message& message)
{
    // The context the translation tools give texts marked in namespace tessivar.
    const QString pattern = QCoreApplication::translate("tessivar", message.text);
    return QString::fromStdString(Format(pattern.toStdString(), message.args));
}

QString MessageText(const std::vector<Message>& messages)
{
    QStringList lines;
    for (const Message& message : messages)
        lines.append(MessageText(message));
    return lines.join(QLatin1Char('\n'));
}

} // namespace tessivar::ui
