#pragma once
// ShortStr<N>: a length byte followed by N bytes of cp1251 text. Bytes past the
// length are not significant and are kept untouched, so a record survives a
// load/save round trip byte for byte.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrelon {

template <std::size_t N> struct ShortStr {
    static_assert(N >= 1 && N <= 255);
    static constexpr std::size_t capacity = N;

    std::uint8_t length = 0;
    std::array<char, N> text{};

    // A damaged file may hold a length above N; it never makes a read run past the field.
    std::size_t size() const { return std::min<std::size_t>(length, N); }
    bool empty() const { return length == 0; }
    std::string_view view() const { return {text.data(), size()}; }
    std::string str() const { return std::string(view()); }

    // Keeps the first N bytes; the bytes after the new length keep their old values.
    void assign(std::string_view value) {
        const std::size_t n = std::min(value.size(), N);
        std::copy_n(value.data(), n, text.data());
        length = static_cast<std::uint8_t>(n);
    }
    // Text from an input field: first cut to 255 characters, then to N.
    void assignFromField(std::string_view value) { assign(value.substr(0, 255)); }
    // Emptying a presence field touches the length byte only.
    void clear() { length = 0; }

    ShortStr& operator=(std::string_view value) {
        assign(value);
        return *this;
    }
    template <std::size_t M> bool operator==(const ShortStr<M>& other) const {
        return view() == other.view();
    }
    bool operator==(std::string_view other) const { return view() == other; }
};

} // namespace kestrelon
