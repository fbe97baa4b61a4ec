#include "core/engine/SeedProposal.h"

#include "core/platform/Clock.h"

namespace kelvaron {
namespace {
constexpr std::uint32_t kAuxMultiplier = 22695477;
}

void AuxiliaryGenerator::seed(std::uint32_t seed) {
    state_ = static_cast<std::uint32_t>(seed * kAuxMultiplier + 1u);
}

std::uint32_t AuxiliaryGenerator::next31() {
    state_ = state_ * kAuxMultiplier + 1u;
    return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
}

std::int64_t proposeSeed(Clock& clock, TRandomGenerator& generator) {
    AuxiliaryGenerator aux;
    aux.seed(static_cast<std::uint32_t>(clock.calendarSeconds()));
    const auto x = static_cast<std::int32_t>(aux.next31() % 1000u);
    aux.seed(static_cast<std::uint32_t>(clock.calendarSeconds()) + static_cast<std::uint32_t>(x));
    const auto y = static_cast<std::int32_t>(aux.next31() % 1000u);
    std::int32_t temporaryStateWord = y - 1000 * x;
    return truncatedProduct(generator.Draw(temporaryStateWord), 2147483648LL);
}

} // namespace kelvaron
