#include "core/engine/BlockRandomization.h"

namespace kelvaron {

bool BlockRandomization::PlanBlocks(const BlockParameters& parameters, std::int32_t n, ListStream& stream) {
    blockSizes_.clear();
    if (parameters.fixedBlocks) {
        planFixed(parameters.fixedBlockSize, n);
    } else if (!planVariable(parameters, n, stream)) {
        return false;
    }
    blockSizes_.push_back(0);
    return true;
}

void BlockRandomization::planFixed(std::int32_t blockSize, std::int32_t n) {
    // 64-bit sum: for the n that the checks let through (a multiple of the block size) it equals the
    // 32-bit sum, and no other n can make it wrap.
    for (std::int64_t sum = 0; sum < n; sum += blockSize)
        blockSizes_.push_back(blockSize);
}

bool BlockRandomization::planVariable(const BlockParameters& parameters, std::int32_t n, ListStream& stream) {
    const std::int32_t armCount = parameters.armCount;
    const std::int32_t choices = (parameters.maxBlockSize - parameters.minBlockSize) / armCount + 1;
    const std::int32_t base = parameters.minBlockSize / armCount;
    std::int32_t covered = 0;
    int rejected = 0;
    while (covered < n) {
        ++rejected;
        const std::int32_t candidate = armCount * (stream.DrawIndex(choices) + base);
        const std::int32_t end = covered + candidate;
        if (end > n) {
            // The last block is cut to the remainder, so it need not be a multiple of the arm count.
            blockSizes_.push_back(n - covered);
            covered = n;
            rejected = 0;
        } else if (n - end < parameters.minBlockSize) {
            // The candidate would leave a rest smaller than the smallest block (an exact fit included).
        } else {
            blockSizes_.push_back(candidate);
            covered = end;
            rejected = 0;
        }
        if (rejected > kMaxConsecutiveRejections)
            return false;
    }
    return true;
}

Allocation BlockRandomization::AllocateArms(std::int32_t n, std::span<const std::int32_t> armRatios,
                                            ListStream& stream) {
    const auto armCount = static_cast<std::int32_t>(armRatios.size());
    std::int32_t ratioSum = 0;
    for (std::int32_t ratio : armRatios)
        ratioSum += ratio;
    patientArms_.assign(static_cast<std::size_t>(n > 0 ? n : 0), 0);
    armQuota_.assign(armRatios.size(), 0);
    std::int64_t start = 0;
    for (std::int32_t blockSize : blockSizes_) {
        if (blockSize <= 0)
            break;
        for (std::size_t k = 0; k < armRatios.size(); ++k)
            armQuota_[k] = armRatios[k] * blockSize / ratioSum;
        for (std::int32_t k = 0; k + 1 < armCount; ++k) {
            auto& quota = armQuota_[static_cast<std::size_t>(k)];
            while (quota > 0) {
                // A position already taken is drawn again; the rejected draw has advanced the generator.
                const std::int64_t position = start + stream.DrawIndex(blockSize);
                if (position >= n)
                    return Allocation::Incomplete;
                auto& arm = patientArms_[static_cast<std::size_t>(position)];
                if (arm == 0) {
                    arm = k + 1;
                    --quota;
                }
            }
        }
        // The last arm takes whatever the block has left, so the truncated shares' rest goes to it.
        for (std::int64_t j = start; j < start + blockSize; ++j) {
            if (j >= n)
                return Allocation::Incomplete;
            auto& arm = patientArms_[static_cast<std::size_t>(j)];
            if (arm == 0)
                arm = armCount;
        }
        start += blockSize;
    }
    return Allocation::Complete;
}

} // namespace kelvaron
