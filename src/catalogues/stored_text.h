#pragma once
// Typed text as a record field would hold it. Uniqueness checks compare this form, because
// a number typed longer than its field is stored cut and would otherwise slip past the check
// as a duplicate of an existing one.

#include "store/short_str.h"

#include <string_view>

namespace kestrelon {

// The characters a record field stores: storedLength(&FirmRecord::Name) is 128. An input field
// takes no more, so that nothing typed is cut without the user seeing it.
template <typename Record, std::size_t N> constexpr int storedLength(ShortStr<N> Record::*) {
    return static_cast<int>(N);
}

template <std::size_t N> ShortStr<N> asStored(std::string_view typed) {
    ShortStr<N> stored;
    stored.assignFromField(typed);
    return stored;
}

} // namespace kestrelon
