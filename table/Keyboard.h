#pragma once
// What every window of the table shares for the player who plays from the
// keyboard: plain keys that press a window's buttons, an explicit Tab order,
// and a focus frame that always shows where the next key goes.
//
// Plain keys act only without Ctrl or Alt (Shift and the keypad are allowed),
// so the mnemonics ("&Hit", "&Help") keep moving the focus as they always did,
// and a key presses its button exactly as a click does: a disabled or hidden
// button ignores it.

#include <QWidget>

#include <vector>

class QAbstractButton;
class QKeyEvent;

namespace dealmoor {

// A plain key and the button it presses.
struct ButtonKey {
    int key; // a Qt::Key
    QAbstractButton* button;
};

// Presses the button of `event`'s key when it is a plain key of `keys`; true
// when the key belongs to one (pressed, or ignored by a disabled button).
bool PressButtonForKey(const std::vector<ButtonKey>& keys, QKeyEvent* event);

// Gives a window that is not ours to change (a message box) plain keys: a key
// of `keys` that reaches the window, or one of its controls that does not take
// it, presses its button.
void AddButtonKeys(QWidget* window, std::vector<ButtonKey> keys);

// The key's name as a tooltip or a help page writes it ("1", "Backspace").
QString KeyName(int key);

// Tab visits `order` in this sequence, and back again with Shift+Tab.
void SetTabOrder(const std::vector<QWidget*>& order);

// The desktop style draws the focus frame only once Tab has been pressed in a
// window; a player who answers with H or S never would. From now on every
// window of the program shows it as soon as a control has the focus.
void ShowFocusAlways();

// Draws the focus frame over a control whose style shows none (scroll bars,
// the seat panels) while it has the focus.
void MarkFocus(QWidget* control);

} // namespace dealmoor
