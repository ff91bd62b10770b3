#pragma once

#include "BallPose.h"
#include "SceneWalk.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessivar::render {

// A run of ball poses. Once handed over in a snapshot it never changes: the
// next snapshot shares it while none of its balls changed, and a new run
// replaces it otherwise.
using BallChunk = std::vector<BallPose>;

// The poses of a viewport's balls, kept from one pass over the scene to the
// next on the scene's thread, so that a pass copies only the balls that
// changed (LastChange) or moved in the drawing order, and the chunks that
// hold them.
class BallChunks final : public BallSink {
public:
    static constexpr std::size_t ChunkSize = 256;

    struct Batch {
        const scene::Material* Material;
        std::vector<std::shared_ptr<const BallChunk>> Chunks;
    };

    void Add(const scene::Ball& ball, std::uint32_t parent) override;
    // Ends the pass: the balls it saw by material, in order of first
    // appearance.
    std::vector<Batch> Finish();

    // How many chunks the last pass made anew.
    std::size_t ChunksMade() const { return chunksMade_; }

private:
    struct Known {
        const scene::Ball* Ball;
        std::uint64_t LastChange;
        std::uint32_t Parent;
        friend bool operator==(const Known&, const Known&) = default;
    };
    struct Kept {
        const scene::Material* Material;
        std::vector<Known> Balls; // in drawing order
        std::vector<std::shared_ptr<BallChunk>> Chunks;
        std::vector<bool> Fresh; // made in this pass, not handed over yet
        std::size_t Count = 0; // seen in this pass
    };

    Kept& KeptOf(const scene::Material* material);
    BallChunk& Writable(Kept& kept, std::size_t chunk);
    void Trim(Kept& kept);

    std::vector<Kept> kept_;
    std::vector<std::size_t> seenOrder_; // in this pass, into kept_
    std::size_t last_ = 0;
    std::size_t chunksMade_ = 0, madeInPass_ = 0;
};

} // namespace tessivar::render
