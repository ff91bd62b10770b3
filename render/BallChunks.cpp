#include "BallChunks.h"

#include <algorithm>
#include <utility>

namespace tessivar::render {

void BallChunks::Add(const scene::Ball& ball, std::uint32_t parent)
{
    Kept& kept = KeptOf(ball.MaterialSource());
    const std::size_t at = kept.Count++;
    const Known now{&ball, ball.LastChange(), parent};
    if (at < kept.Balls.size()) {
        if (kept.Balls[at] == now)
            return;
        kept.Balls[at] = now;
    } else {
        kept.Balls.push_back(now);
    }
    BallChunk& chunk = Writable(kept, at / ChunkSize);
    const std::size_t offset = at % ChunkSize;
    const BallPose pose = BallPose::Of(ball, parent);
    if (offset < chunk.size())
        chunk[offset] = pose;
    else
        chunk.push_back(pose);
}

BallChunks::Kept& BallChunks::KeptOf(const scene::Material* material)
{
    // Balls come in long runs of one material: try the last one first.
    if (last_ >= kept_.size() || kept_[last_].Material != material) {
        const auto found
            = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& kept) { return kept.Material == material; });
        last_ = static_cast<std::size_t>(found - kept_.begin());
        if (found == kept_.end())
            kept_.push_back(Kept{material, {}, {}, {}, 0});
    }
    Kept& kept = kept_[last_];
    if (kept.Count == 0)
        seenOrder_.push_back(last_);
    return kept;
}

// A chunk handed over before is copied first: a snapshot may be drawing it.
BallChunk& BallChunks::Writable(Kept& kept, std::size_t chunk)
{
    if (chunk == kept.Chunks.size()) {
        kept.Chunks.push_back(std::make_shared<BallChunk>());
        kept.Chunks.back()->reserve(ChunkSize);
        kept.Fresh.push_back(true);
        ++madeInPass_;
    } else if (!kept.Fresh[chunk]) {
        kept.Chunks[chunk] = std::make_shared<BallChunk>(*kept.Chunks[chunk]);
        kept.Fresh[chunk] = true;
        ++madeInPass_;
    }
    return *kept.Chunks[chunk];
}

std::vector<BallChunks::Batch> BallChunks::Finish()
{
    std::vector<Batch> batches;
    for (const std::size_t index : seenOrder_) {
        Kept& kept = kept_[index];
        Trim(kept);
        batches.push_back({kept.Material, {kept.Chunks.begin(), kept.Chunks.end()}});
    }
    // Materials no ball showed in this pass are forgotten; the rest start
    // the next pass afresh.
    std::erase_if(kept_, [](const Kept& kept) { return kept.Count == 0; });
    for (Kept& kept : kept_) {
        kept.Count = 0;
        std::fill(kept.Fresh.begin(), kept.Fresh.end(), false);
    }
    seenOrder_.clear();
    last_ = 0;
    chunksMade_ = std::exchange(madeInPass_, 0);
    return batches;
}

// Drops the balls past those seen in this pass.
void BallChunks::Trim(Kept& kept)
{
    kept.Balls.resize(kept.Count);
    const std::size_t chunks = (kept.Count + ChunkSize - 1) / ChunkSize;
    kept.Chunks.resize(chunks);
    kept.Fresh.resize(chunks);
    const std::size_t lastSize = kept.Count - (chunks == 0 ? 0 : (chunks - 1) * ChunkSize);
    if (chunks > 0 && kept.Chunks.back()->size() > lastSize)
        Writable(kept, chunks - 1).resize(lastSize);
}

} // namespace tessivar::render
