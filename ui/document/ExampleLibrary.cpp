#include "ExampleLibrary.h"

#include "ProgramFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tessivar::ui {

namespace {

const std::string kInputPrefix = "/ 入力例:";

// The installed examples' titles, for the translation tools to find.
[[maybe_unused]] const char* const kInstalledTitles[] = {
    QT_TRANSLATE_NOOP("Examples", "足し算"),
    QT_TRANSLATE_NOOP("Examples", "引き算 (負になるときは 0)"),
    QT_TRANSLATE_NOOP("Examples", "掛け算"),
    QT_TRANSLATE_NOOP("Examples", "1 を引く (前者関数)"),
    QT_TRANSLATE_NOOP("Examples", "階乗"),
    QT_TRANSLATE_NOOP("Examples", "べき乗"),
    QT_TRANSLATE_NOOP("Examples", "割り算 (商と余り)"),
    QT_TRANSLATE_NOOP("Examples", "大きいほう (最大値)"),
    QT_TRANSLATE_NOOP("Examples", "フィボナッチ数"),
    QT_TRANSLATE_NOOP("Examples", "等しいかどうか"),
    QT_TRANSLATE_NOOP("Examples", "偶数か奇数か (2 で割った余り)"),
    QT_TRANSLATE_NOOP("Examples", "エディタの見本 (R(1) から 1 を引く)"),
};

QString Title(const TextLines& program, const QFileInfo& file)
{
    if (program.empty() || !program.front().starts_with('/'))
        return file.completeBaseName();
    return QString::fromStdString(program.front().substr(1)).trimmed();
}

TextLines ExampleInput(const TextLines& program)
{
    const auto line = std::find_if(program.begin(), program.end(),
                                   [](const std::string& text) { return text.starts_with(kInputPrefix); });
    if (line == program.end())
        return {};
    TextLines registers;
    for (const QString& value : QString::fromStdString(line->substr(kInputPrefix.size())).split(QLatin1Char(',')))
        registers.push_back(value.trimmed().toStdString());
    return registers;
}

} // namespace

QString ExampleFolder()
{
    const QDir executableFolder(QCoreApplication::applicationDirPath());
    for (const char* candidate : {"examples", TESSIVAR_INSTALLED_EXAMPLES}) {
        const QString folder = QDir::cleanPath(executableFolder.absoluteFilePath(QString::fromUtf8(candidate)));
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return {};
}

std::vector<Example> ReadExamples(const QString& folder)
{
    std::vector<Example> examples;
    if (folder.isEmpty())
        return examples;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.urm")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        ProgramFileReading reading = ReadProgramFile(file.absoluteFilePath().toStdString());
        if (reading.error)
            continue;
        examples.push_back({Title(reading.lines, file), reading.lines, ExampleInput(reading.lines)});
    }
    return examples;
}

QString TranslatedTitle(const QString& title)
{
    return QCoreApplication::translate("Examples", title.toUtf8().constData());
}

} // namespace tessivar::ui
