// Walks the patient positions of one list in block order, as the list text does: each patient opens the
// next block of the plan when no block is open. A plan entry of 0 or less ends the plan, and positions
// past the plan belong to no block.
#pragma once

#include <cstdint>
#include <span>

namespace kelvaron {

class BlockCursor {
public:
    explicit BlockCursor(std::span<const std::int32_t> blockSizes) : blockSizes_(blockSizes) {}

    // Moves to the next patient position; call it once before the first patient.
    void advance() {
        if (open_ == 0 && nextBlock_ < blockSizes_.size() && blockSizes_[nextBlock_] > 0) {
            size_ = blockSizes_[nextBlock_++];
            open_ = size_;
            position_ = 0;
        }
        if (open_ == 0) {
            size_ = 0;
            position_ = 0;
            return;
        }
        --open_;
        ++position_;
    }

    // The block of the current position, counted from 1; 0 past the plan.
    [[nodiscard]] std::int64_t block() const {
        return size_ == 0 ? 0 : static_cast<std::int64_t>(nextBlock_);
    }
    // The planned size of that block; 0 past the plan.
    [[nodiscard]] std::int32_t blockSize() const { return size_; }
    // The position inside the block, counted from 1; 0 past the plan.
    [[nodiscard]] std::int32_t positionInBlock() const { return position_; }

private:
    std::span<const std::int32_t> blockSizes_;
    std::size_t nextBlock_ = 0;
    std::int32_t size_ = 0;
    std::int32_t open_ = 0;
    std::int32_t position_ = 0;
};

} // namespace kelvaron
