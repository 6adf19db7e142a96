#pragma once
// Little-endian integer and float fields for byte-exact records: each is a
// plain byte array (alignment 1), so a record's in-memory image is its file.

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace kestrelon {

template <typename T> struct LeValue {
    std::array<std::uint8_t, sizeof(T)> bytes{};

    T get() const {
        using U = std::conditional_t<sizeof(T) == 2, std::uint16_t, std::uint32_t>;
        U u = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            u = static_cast<U>(u | (static_cast<U>(bytes[i]) << (8 * i)));
        }
        return std::bit_cast<T>(u);
    }
    void set(T value) {
        using U = std::conditional_t<sizeof(T) == 2, std::uint16_t, std::uint32_t>;
        auto u = std::bit_cast<U>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bytes[i] = static_cast<std::uint8_t>(u >> (8 * i));
        }
    }
    operator T() const { return get(); }
    LeValue& operator=(T value) {
        set(value);
        return *this;
    }
};

using LeU16 = LeValue<std::uint16_t>;
using LeI16 = LeValue<std::int16_t>;
using LeU32 = LeValue<std::uint32_t>;
using LeI32 = LeValue<std::int32_t>;
using LeF32 = LeValue<float>;

static_assert(sizeof(LeU16) == 2 && alignof(LeU16) == 1);
static_assert(sizeof(LeU32) == 4 && alignof(LeU32) == 1);
static_assert(sizeof(LeF32) == 4 && alignof(LeF32) == 1);

} // namespace kestrelon
