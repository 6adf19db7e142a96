#pragma once
// A drop-down list's pop-up list selects the entry the list shows, at all times: while the
// pop-up is closed, while the list is disabled, and whoever set the entry. A screen reader
// reads a list's value from the selected entry of its pop-up list, so the entry left selected
// there is what it says. Qt selects the current entry only when the pop-up opens; a list set
// by the program, or a pop-up closed with Escape after moving in it, would otherwise go on
// announcing an entry the list no longer shows.

#include <QSignalBlocker>

class QComboBox;

namespace kestrelon {

// From now on `list`'s pop-up list selects the entry `list` shows after every change of it,
// and again when the pop-up closes without a choice. Every list of the program is made so.
void keepShownEntrySelected(QComboBox& list);

// Selects in `list`'s pop-up list the entry `list` shows (none when it shows none).
void selectShownEntry(QComboBox& list);

// What QSignalBlocker is for a list the program sets, not the user: the list's signals are
// blocked while it lives, so no handler takes the change for a choice; at its end the pop-up
// list selects the entry the list then shows, which a blocked list cannot do by itself.
class QuietListChange {
public:
    explicit QuietListChange(QComboBox& list);
    ~QuietListChange();
    QuietListChange(const QuietListChange&) = delete;
    QuietListChange& operator=(const QuietListChange&) = delete;

private:
    QComboBox& list_;
    QSignalBlocker blocker_;
};

} // namespace kestrelon
