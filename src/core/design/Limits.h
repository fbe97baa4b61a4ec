// What one design and one generation can hold. Anything larger is refused with a message before a
// list or an entry is allocated.
#pragma once

#include <cstdint>

namespace kelvaron::limits {

inline constexpr std::int32_t kMaxArms = 65536; // the allocation's quota table
inline constexpr std::int32_t kMaxCenters = 65536;
inline constexpr std::int64_t kMaxPatientLines = 10'000'000;             // the study, or all centers together
inline constexpr std::int64_t kMaxListTextBytes = std::int64_t{1} << 30; // the whole list text, 1 GiB

} // namespace kelvaron::limits
