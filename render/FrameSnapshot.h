#pragma once

#include "BallChunks.h"
#include "BallContacts.h"
#include "BallDrawing.h"
#include "GridLines.h"
#include "MaterialUniforms.h"
#include "TextLayout.h"

#include <QVector4D>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace tessivar::scene {
class SceneRoot;
}

namespace tessivar::render {

// What the mesh of a 3D text depends on, owned, so that the text can be laid
// out away from the scene.
struct TextContent {
    TextBlock Block;
    float Depth;
    std::uint8_t Sides;
};

struct TextDraw {
    scene::Matrix4 World;
    std::shared_ptr<const TextContent> Content;
    MaterialValues Front, Back, Shaft;
};

struct PlaneDraw {
    scene::Matrix4 World;
    float Width, Height;
    MaterialValues Material;
};

struct GridDraw {
    scene::Matrix4 World;
    GridShape Shape;
};

// The balls of one material, where they are as the scene holds them: placed
// and culled where the frame is drawn.
struct BallsDraw {
    MaterialValues Material;
    std::vector<std::shared_ptr<const BallChunk>> Chunks;
};

// Everything that one frame draws, copied from the scene in one pass: the
// frame is drawn from it afterwards, on any thread, while the scene goes on.
struct FrameSnapshot {
    std::uint64_t Revision = 0; // of the viewport
    int Width = 0, Height = 0;
    QVector4D Background;
    BallDrawing Balls = BallDrawing::Impostors;
    bool HasCamera = false;
    scene::Matrix4 ViewProjection;
    scene::Vector3 Eye;
    FrameLighting Lighting;
    std::vector<scene::Matrix4> BallParents;
    ContactBoxes Contacts; // of the planes, texts and grids, for the balls
    std::vector<BallsDraw> BallBatches;
    std::vector<TextDraw> Texts;
    std::vector<PlaneDraw> Planes;
    std::vector<GridDraw> Grids;
};

// Takes the snapshots of one viewport's frames, on the scene's thread. A
// text's content is copied when it changed since the previous snapshot and
// shared from frame to frame otherwise, so a long listing is copied once;
// so are the balls, in chunks.
class SceneSync {
public:
    FrameSnapshot Take(const scene::SceneRoot& viewport, int width, int height, BallDrawing balls);
    // How many chunks of balls the last Take copied anew.
    std::size_t BallChunksMade() const { return balls_.ChunksMade(); }

private:
    struct KnownText;
    std::shared_ptr<const TextContent> ContentOf(const scene::Text3D& text);
    void ForgetUnseenTexts();

    std::unordered_map<const scene::Text3D*, std::shared_ptr<KnownText>> texts_;
    SceneOutline outline_;
    BallChunks balls_;
};

} // namespace tessivar::render
