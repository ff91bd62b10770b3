#pragma once

#include <QStringList>

namespace tessivar::render::bench {

// A program of `lines` lines of every kind (S, J, T, Z and Japanese comments),
// as a user might write or generate a long one.
QStringList LongProgram(int lines);

} // namespace tessivar::render::bench
