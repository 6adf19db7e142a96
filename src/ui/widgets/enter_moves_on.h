#pragma once
// Enter in a window as bookkeepers expect it: in a field it moves to the next field, like Tab,
// and never presses "OK" on a half-filled card; on a focused button it presses that button
// (also a flat toolbar button). Grids and text boxes keep their own Enter. Call it once the
// window's buttons exist.

class QDialog;

namespace kestrelon {

void moveOnWithEnter(QDialog& window);

} // namespace kestrelon
