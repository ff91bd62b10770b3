#pragma once

#include "ProgramText.h"

#include <QString>

#include <vector>

namespace tessivar::ui {

// A program of the example library. Its first line is a comment with its
// title; a comment line "/ 入力例: 3, 4" gives the register editor's lines
// for a small example input.
struct Example {
    QString title;
    TextLines program;
    TextLines registers;
};

// Where the examples are: the folder "examples" beside the executable (the
// build folder), or the data folder of the installation; empty when neither is.
QString ExampleFolder();

// The examples in `folder`, in the order of their file names; a file that
// cannot be read is left out.
std::vector<Example> ReadExamples(const QString& folder);

// An example's title in the user's language: the files hold it in Japanese.
QString TranslatedTitle(const QString& title);

} // namespace tessivar::ui
