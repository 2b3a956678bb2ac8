#include "table/ModalOverlay.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace dealmoor {

namespace {

constexpr const char* HelpContextProperty = "helpContext";
constexpr const char* LiveProperty = "liveDuringOverlay";

bool isLive(const QObject* object) {
    return object->property(LiveProperty).toBool();
}

// Whether a menu holds, anywhere below it, a command that stays live.
bool holdsLiveCommand(const QMenu* menu) {
    for (const QAction* action : menu->actions()) {
        if (isLive(action) || (action->menu() != nullptr && holdsLiveCommand(action->menu())))
            return true;
    }
    return false;
}

// What the overlay switched off, so that exactly that is switched on again.
class InputBlock {
public:
    explicit InputBlock(QWidget* overlay) {
        // Every sibling along the way from the overlay up to its window: this
        // covers the menu bar, the buttons and the seat panels, but not the
        // overlay itself nor the widgets it sits in.
        for (QWidget* child = overlay; child->parentWidget() != nullptr && !child->isWindow();
             child = child->parentWidget()) {
            const QList<QWidget*> siblings = child->parentWidget()->findChildren<QWidget*>(
                QString(), Qt::FindDirectChildrenOnly);
            for (QWidget* sibling : siblings) {
                if (sibling == child || sibling->isWindow() || !sibling->isEnabled() ||
                    isLive(sibling))
                    continue;
                if (auto* bar = qobject_cast<QMenuBar*>(sibling)) {
                    blockMenuCommands(bar->actions());
                    continue;
                }
                sibling->setEnabled(false);
                widgets_.append(sibling);
            }
        }
        // Shortcuts the window itself carries would still fire otherwise.
        for (QAction* action : overlay->window()->actions())
            block(action);
    }
    ~InputBlock() {
        for (const QPointer<QWidget>& widget : widgets_) {
            if (widget)
                widget->setEnabled(true);
        }
        for (const QPointer<QAction>& action : actions_) {
            if (action)
                action->setEnabled(true);
        }
    }
    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

private:
    void block(QAction* action) {
        if (!action->isEnabled() || isLive(action))
            return;
        action->setEnabled(false);
        actions_.append(action);
    }
    // A menu that holds a live command stays open to it; everything else in it is blocked.
    void blockMenuCommands(const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            if (action->menu() != nullptr && holdsLiveCommand(action->menu()))
                blockMenuCommands(action->menu()->actions());
            else
                block(action);
        }
    }

    QList<QPointer<QWidget>> widgets_;
    QList<QPointer<QAction>> actions_;
};

} // namespace

int RunOverlayModal(QDialog* dialog) {
    // A dialog that is a window of its own is modal the usual way.
    if (dialog->isWindow())
        return dialog->exec();
    QPointer<QDialog> guard(dialog);
    // The control the player was on (the Deal button, mostly) has it again afterwards.
    const QPointer<QWidget> focusBefore = dialog->window()->focusWidget();
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);

    int result = QDialog::Rejected;
    {
        const InputBlock block(dialog);
        dialog->setResult(QDialog::Rejected);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
        if (QWidget* first = dialog->focusWidget())
            first->setFocus(Qt::ActiveWindowFocusReason);
        else
            dialog->setFocus(Qt::ActiveWindowFocusReason);
        // The dialog may already have finished while it was being shown.
        if (guard && guard->isVisible())
            loop.exec(QEventLoop::DialogExec);
        if (guard)
            result = guard->result();
    }
    if (focusBefore && focusBefore->isVisible() && focusBefore->isEnabled())
        focusBefore->setFocus(Qt::OtherFocusReason);
    return result;
}

void KeepLiveDuringOverlay(QObject* control) {
    control->setProperty(LiveProperty, true);
}

void SetHelpContext(QWidget* window, int context) {
    window->setProperty(HelpContextProperty, context);
    for (QWidget* control : window->findChildren<QWidget*>())
        control->setProperty(HelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant context = widget->property(HelpContextProperty);
        if (context.isValid())
            return context.toInt();
    }
    return 0;
}

bool RequestHelpOnF1(QWidget* window, QKeyEvent* event, const std::function<void(int)>& help) {
    if (event->key() != Qt::Key_F1)
        return false;
    const QWidget* focused = window->focusWidget() ? window->focusWidget() : window;
    if (help)
        help(HelpContextOf(focused));
    event->accept();
    return true;
}

void ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Information"), text);
}

OverlayDialog::OverlayDialog(QWidget* parent) : QDialog(parent) {
    // A plain child of the table's drawing widget, not a window of its own
    // (a dialog turns itself into one unless told otherwise).
    setWindowFlags(Qt::Widget);
    // The seat view shows through nowhere: the window paints its whole area.
    setAutoFillBackground(true);
}

void OverlayDialog::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    if (event->key() == Qt::Key_Escape) {
        // There is no way out of the choice but one of its buttons.
        event->accept();
        return;
    }
    if (PressButtonForKey(buttonKeys_, event))
        return;
    QDialog::keyPressEvent(event);
    // The table behind waits for the answer: Enter or Space must not deal there.
    event->accept();
}

void OverlayDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void OverlayDialog::requestHelp(int context) {
    if (helpRequested)
        helpRequested(context);
}

} // namespace dealmoor
