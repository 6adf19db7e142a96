#pragma once
// The mode a card is opened in.

namespace kestrelon {

enum class CardMode { New = 0, Edit = 1, View = 2 };

} // namespace kestrelon
