// What the window does when one of the scene's animations ends: the end of a
// step's listing scroll is the end of the step; the others tidy the scene.
#include "MainWindow.h"

#include "NotifyEvent.h"

namespace tessivar::ui {

void MainWindow::BindAnimationEnds()
{
    using scene::TNotifyEvent;
    scene_.FloatAnimation4->OnFinish = TNotifyEvent::Of<&MainWindow::OnCameraPanFinished>(this);
    scene_.FloatAnimation5->OnFinish = TNotifyEvent::Of<&MainWindow::OnListingClearFinished>(this);
    scene_.FloatAnimation6->OnFinish = TNotifyEvent::Of<&MainWindow::OnStepShown>(this);
    scene_.FloatAnimation7->OnFinish = TNotifyEvent::Of<&MainWindow::OnHighlightFinished>(this);
}

// Only the pan's direction flag is reset, so that the next pan runs forward.
void MainWindow::OnCameraPanFinished(scene::TFmxObject*)
{
    scene_.FloatAnimation4->SetInverse(false);
}

void MainWindow::OnListingClearFinished(scene::TFmxObject*)
{
    scene_.Text3D4->SetText("");
}

// The end of a step: the controls come back, and a run goes on.
void MainWindow::OnStepShown(scene::TFmxObject*)
{
    run_->StepShown();
}

void MainWindow::OnHighlightFinished(scene::TFmxObject*)
{
    scene_.Plane3->SetVisible(false);
}

} // namespace tessivar::ui
