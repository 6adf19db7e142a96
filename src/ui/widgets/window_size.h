#pragma once
// Window sizes kept in "FormW".

#include "store/window_state.h"

#include <QWidget>

namespace kestrelon {

// A stored size of 0 (no "FormW" yet) leaves the window at its designed size.
inline void applyStoredSize(QWidget& window, WindowSize size) {
    if (size.width > 0 && size.height > 0) {
        window.resize(size.width, size.height);
    }
}

} // namespace kestrelon
