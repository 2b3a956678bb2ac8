#pragma once
// The bet and decision windows sit over the seat view as children of the
// table's drawing widget, so they land exactly where the seat is on every
// window system. This runs such a child as a modal window: everything else in
// its top-level window stops taking input until it is done. It also holds what
// the table's small modal windows share about help topics.

#include "table/Keyboard.h"

#include <QDialog>

#include <functional>
#include <utility>
#include <vector>

class QCloseEvent;
class QKeyEvent;

namespace dealmoor {

// Shows `dialog` (a child widget, not a window) raised over its siblings,
// disables input to the rest of its top-level window (the menu bar, the
// buttons, the window's own shortcuts), gives it the focus and waits, with
// timers and painting going on, until it calls done(). Restores what it
// disabled, gives the focus back to the control that had it, and returns the
// dialog's result.
int RunOverlayModal(QDialog* dialog);

// A control (a button or a menu command) that stays usable while an overlay
// waits: leaving the table must always be possible.
void KeepLiveDuringOverlay(QObject* control);

// Every window and its controls carry a help topic; F1 opens the topic of the
// control that has the focus.
void SetHelpContext(QWidget* window, int context);
// The topic of a widget, or of the nearest parent that has one; 0 when none does.
int HelpContextOf(const QWidget* widget);
// Asks for the focused control's topic when `event` is F1; true when it was.
bool RequestHelpOnF1(QWidget* window, QKeyEvent* event, const std::function<void(int)>& help);

// The information message box of the table's windows: the text and one OK button.
void ShowInformation(QWidget* parent, const QString& text);

// A modal window over the seat view: a plain child of its parent, left only by
// its own buttons (neither Escape nor a close request ends it). Its plain keys
// press its buttons; no key reaches the table behind it.
class OverlayDialog : public QDialog {
    Q_OBJECT
public:
    explicit OverlayDialog(QWidget* parent);

    // Opens a help topic; the table window sets it.
    std::function<void(int)> helpRequested;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void requestHelp(int context);
    void setButtonKeys(std::vector<ButtonKey> keys) { buttonKeys_ = std::move(keys); }

private:
    std::vector<ButtonKey> buttonKeys_;
};

} // namespace dealmoor
