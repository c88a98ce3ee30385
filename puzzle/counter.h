// The game's counters are 16-bit signed integers whose arithmetic is checked.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace mud {

inline std::int16_t checkedAdd(std::int16_t value, int delta) {
    const int result = value + delta;
    if (result < INT16_MIN || result > INT16_MAX) throw std::overflow_error("16-bit counter overflow");
    return static_cast<std::int16_t>(result);
}

}  // namespace mud
