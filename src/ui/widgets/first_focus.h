#pragma once
// Where the keyboard focus starts when a window is shown again. Left to itself, a window
// hidden and shown again gives the focus back to the control that had it when it closed:
// mostly the button that closed it, so that the first Space or Enter typed at once presses
// "OK" or "Yes" again instead of going into the first field.

#include <functional>

class QWidget;

namespace kestrelon {

// Each showing of `window` starts with the focus on what `first` gives at that moment.
void startEachShowingOn(QWidget& window, std::function<QWidget*()> first);

} // namespace kestrelon
