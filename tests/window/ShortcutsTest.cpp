#include "Shortcuts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessivar::ui::test {
namespace {

// A key given twice would do only one of its commands; a command left out
// of the list would have no key at all.
TEST(Shortcuts, EveryCommandHasItsOwnKeys)
{
    const std::span<const Shortcut> shortcuts = Shortcuts();
    for (int command = 0; command <= static_cast<int>(Command::GoToLine); ++command)
        EXPECT_EQ(std::ranges::count(shortcuts, static_cast<Command>(command), &Shortcut::command), 1) << command;
    for (const Shortcut& shortcut : shortcuts) {
        EXPECT_FALSE(shortcut.keys.isEmpty());
        EXPECT_EQ(std::ranges::count(shortcuts, shortcut.keys, &Shortcut::keys), 1)
            << shortcut.keys.toString().toStdString();
    }
}

} // namespace
} // namespace tessivar::ui::test
