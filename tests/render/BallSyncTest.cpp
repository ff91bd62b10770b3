// The balls of a snapshot are kept from one sync to the next and only those
// that changed are copied: what is drawn must not tell.
#include "FrameDrawer.h"
#include "FrameSnapshot.h"
#include "RenderedScene.h"

#include "Group.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace tessivar::render::testing {
namespace {

constexpr int RegisterBalls = 200;

class BallSyncTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Every ball of the three registers in view, each register filling
        // most of a chunk.
        design_.ViewCamera->Position.SetPoint({1, -2, -45});
        for (int r = 0; r < 3; ++r)
            AddRegister(r, RegisterBalls);
        group_ = new scene::Group(&design_.Owner);
        group_->SetParent(design_.Root);
        for (int m = 0; m < 5; ++m) {
            scene::Ball* ball = scene_.AddBall(4, RegisterBalls, m);
            ball->SetParent(group_);
            ball->RotationAngle.SetY(static_cast<float>(m * 50));
        }
        ASSERT_TRUE(drawer_.Begin()) << drawer_.Error().toStdString();
    }

    void TearDown() override { drawer_.End(); }

    void AddRegister(int index, int value)
    {
        std::vector<scene::Ball*>& balls = registers_[static_cast<std::size_t>(index)];
        for (int m = 0; m < value; ++m) {
            balls.push_back(scene_.AddBall(index, value, m));
            balls.back()->RotationAngle.SetY(static_cast<float>((m * 37 + index * 11) % 360));
        }
    }

    void FreeBalls(int index, std::size_t from, std::size_t to)
    {
        std::vector<scene::Ball*>& balls = registers_[static_cast<std::size_t>(index)];
        for (std::size_t i = from; i < to; ++i)
            delete balls[i];
        balls.erase(balls.begin() + static_cast<std::ptrdiff_t>(from), balls.begin() + static_cast<std::ptrdiff_t>(to));
    }

    QImage Draw(SceneSync& sync)
    {
        FrameSnapshot frame
            = sync.Take(*design_.Root, RenderedScene::Width, RenderedScene::Height, BallDrawing::Impostors);
        return drawer_.Draw(frame);
    }

    RenderedScene scene_;
    scene::Stage& design_ = scene_.Design();
    std::vector<scene::Ball*> registers_[3];
    scene::Group* group_ = nullptr;
    FrameDrawer drawer_;
};

TEST_F(BallSyncTest, KeptBallsDrawAsBallsCopiedAfresh)
{
    struct Change {
        const char* name;
        std::function<void()> apply;
        std::optional<std::size_t> chunksMade; // when known
        bool shows = true; // in the frame
    };
    const Change changes[] = {
        {"the first frame", [] {}, 3},
        {"nothing", [] {}, 0, false},
        {"every ball spins",
         [&] {
             for (const auto& balls : registers_)
                 for (scene::Ball* ball : balls)
                     ball->RotationAngle.SetY(ball->RotationAngle.Y() + 40);
         },
         3},
        {"balls of the first chunk moved",
         [&] {
             for (std::size_t i = 10; i < 20; ++i)
                 registers_[0][i]->Position.SetX(registers_[0][i]->Position.X() + 0.5F);
         },
         1},
        {"balls removed from the middle", [&] { FreeBalls(1, 50, 80); }, std::nullopt},
        {"balls added",
         [&] {
             for (int m = 0; m < 40; ++m)
                 registers_[2].push_back(scene_.AddBall(3, 40, m));
         },
         std::nullopt},
        {"a register rebuilt",
         [&] {
             FreeBalls(0, 0, registers_[0].size());
             AddRegister(0, 120);
         },
         std::nullopt},
        {"a ball hidden and one painted anew",
         [&] {
             registers_[1].back()->SetVisible(false);
             registers_[2].back()->SetMaterialSource(design_.VioletRedMaterial);
         },
         std::nullopt},
        {"the balls' parent moved", [&] { group_->Position.SetX(group_->Position.X() + 1); }, 0},
        {"balls freed down to the end of a chunk", [&] { FreeBalls(2, 0, registers_[2].size()); }, std::nullopt},
    };
    SceneSync kept;
    QImage previous;
    for (const Change& change : changes) {
        change.apply();
        SceneSync afresh;
        const QImage frame = Draw(kept);
        EXPECT_EQ(frame, Draw(afresh)) << change.name;
        if (change.chunksMade) {
            EXPECT_EQ(kept.BallChunksMade(), *change.chunksMade) << change.name;
        }
        // The changes show, so that a sync that missed one would be seen.
        if (change.shows && !previous.isNull()) {
            EXPECT_NE(frame, previous) << change.name;
        }
        previous = frame;
    }
}

} // namespace
} // namespace tessivar::render::testing
