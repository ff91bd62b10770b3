#include "LongProgram.h"

namespace tessivar::render::bench {

QStringList LongProgram(int lines)
{
    QStringList program;
    program.reserve(lines);
    for (int i = 1; i <= lines; ++i) {
        const QString number = QString::number(i % 256 + 1);
        switch (i % 5) {
        case 0:
            program << QStringLiteral("S(%1)").arg(number);
            break;
        case 1:
            program << QStringLiteral("J(1,%1,%2)").arg(number).arg(i + 2);
            break;
        case 2:
            program << QStringLiteral("T(%1,2)").arg(number);
            break;
        case 3:
            program << QStringLiteral("Z(%1)").arg(number);
            break;
        default:
            program << QStringLiteral("/ ループ %1").arg(i);
            break;
        }
    }
    return program;
}

} // namespace tessivar::render::bench
