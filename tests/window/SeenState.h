#pragma once

#include "MainWindow.h"

#include <QPlainTextEdit>

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace tessivar::ui::test {

// What a user sees of the machine: the register editor, the counter, the
// current line, and the balls of each register.
struct SeenState {
    QString panel;
    std::string counter;
    std::int64_t pc;
    std::vector<std::size_t> balls;
    friend bool operator==(const SeenState&, const SeenState&) = default;
    friend std::ostream& operator<<(std::ostream& out, const SeenState& seen)
    {
        out << '"' << seen.panel.toStdString() << "\" \"" << seen.counter << "\" PC " << seen.pc << " balls";
        for (const std::size_t count : seen.balls)
            out << ' ' << count;
        return out;
    }
};

inline SeenState Seen(MainWindow& form)
{
    SeenState seen{form.registerEditor->toPlainText(),
                   std::string(form.Scene().CounterText->Text().View()),
                   form.MachineState().pc,
                   {}};
    for (const auto& slotList : form.SceneOfMachine().Stacks().SlotLists) {
        std::size_t count = 0;
        if (slotList)
            for (const scene::Ball* ball : *slotList)
                count += ball != nullptr;
        seen.balls.push_back(count);
    }
    return seen;
}

} // namespace tessivar::ui::test
