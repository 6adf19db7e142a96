#pragma once
// A fixed pseudo-random order for the globe's points, so that drawing every 16th of
// them per pass makes the globe dissolve in evenly rather than sweep in line by line.
// Our own generator and shuffle: the standard distributions differ between libraries.

#include <cstdint>
#include <utility>
#include <vector>

namespace kestrelon::logo {

// Marsaglia's xorshift32; the seed must not be zero.
class XorShift32 {
public:
    explicit XorShift32(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // A number in 0..bound-1; the slight bias of the remainder does not matter here.
    std::uint32_t below(std::uint32_t bound) { return next() % bound; }

private:
    std::uint32_t state_;
};

// Fisher-Yates shuffle.
template <typename T> void shuffle(std::vector<T>& items, XorShift32& random) {
    for (std::size_t i = items.size(); i > 1; --i) {
        const std::size_t j = random.below(static_cast<std::uint32_t>(i));
        std::swap(items[i - 1], items[j]);
    }
}

} // namespace kestrelon::logo
