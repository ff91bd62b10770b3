#include "Grid.h"

namespace tessivar::scene {

void Grid::SetMarks(float marks)
{
    SetLayoutValue(marks_, marks);
}

void Grid::SetFrequency(float frequency)
{
    SetLayoutValue(frequency_, frequency);
}

void Grid::SetLineColor(Argb color)
{
    SetField(lineColor_, color);
}

SceneObject* Grid::CloneSelf(SceneObject* owner) const
{
    auto* copy = new Grid(owner, *this);
    copy->marks_ = marks_;
    copy->frequency_ = frequency_;
    copy->lineColor_ = lineColor_;
    return copy;
}

} // namespace tessivar::scene
