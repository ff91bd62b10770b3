// What the window does when one of the scene's animations ends: the end of a
// step's listing scroll is the end of the step; the others tidy the scene.
#include "MainWindow.h"

#include "FinishHandler.h"

namespace tessivar::ui {

void MainWindow::BindAnimationEnds()
{
    using scene::FinishHandler;
    scene_.CameraPan->OnFinish = FinishHandler::Of<&MainWindow::OnCameraPanFinished>(this);
    scene_.InstructionSlide->OnFinish = FinishHandler::Of<&MainWindow::OnInstructionSlideFinished>(this);
    scene_.ListingScroll->OnFinish = FinishHandler::Of<&MainWindow::OnStepShown>(this);
    scene_.ComparisonRise->OnFinish = FinishHandler::Of<&MainWindow::OnComparisonRiseFinished>(this);
}

// Only the pan's direction flag is reset, so that the next pan runs forward.
void MainWindow::OnCameraPanFinished(scene::SceneObject*)
{
    scene_.CameraPan->SetInverse(false);
}

void MainWindow::OnInstructionSlideFinished(scene::SceneObject*)
{
    scene_.InstructionText->SetText("");
}

// The end of a step: the controls come back, and a run goes on.
void MainWindow::OnStepShown(scene::SceneObject*)
{
    run_->StepShown();
}

void MainWindow::OnComparisonRiseFinished(scene::SceneObject*)
{
    scene_.ComparisonPlane->SetVisible(false);
}

} // namespace tessivar::ui
