#include "table/Keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace dealmoor {

namespace {

// Shift gives the same key for a letter; the keypad's digits count as digits.
constexpr Qt::KeyboardModifiers PlainModifiers = Qt::ShiftModifier | Qt::KeypadModifier;

constexpr int RingWidth = 2;

bool isPlain(const QKeyEvent* event) {
    return (event->modifiers() & ~PlainModifiers) == Qt::NoModifier;
}

// Marks every window whose control takes the focus as being driven from the
// keyboard, which is what the style waits for before it draws the frame.
class FocusShownEverywhere : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType())
            static_cast<QWidget*>(watched)->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        return QObject::eventFilter(watched, event);
    }
};

// Presses a window's buttons for the keys its controls leave alone.
class ButtonKeys : public QObject {
public:
    ButtonKeys(QWidget* window, std::vector<ButtonKey> keys)
        : QObject(window), keys_(std::move(keys)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            PressButtonForKey(keys_, static_cast<QKeyEvent*>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<ButtonKey> keys_;
};

// A frame in the selection colour over its control, shown while the control
// has the focus; clicks go through it to the control.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* control) : QWidget(control), control_(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        control->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == control_) {
            switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::Resize:
                follow();
                break;
            default:
                break;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        QPen pen(control_->palette().color(QPalette::Highlight), RingWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(RingWidth / 2.0, RingWidth / 2.0, -RingWidth / 2.0,
                                                 -RingWidth / 2.0));
    }

private:
    void follow() {
        setGeometry(control_->rect());
        setVisible(control_->hasFocus());
        raise();
    }

    QWidget* control_;
};

} // namespace

bool PressButtonForKey(const std::vector<ButtonKey>& keys, QKeyEvent* event) {
    if (!isPlain(event))
        return false;
    const auto found = std::find_if(keys.begin(), keys.end(), [event](const ButtonKey& entry) {
        return entry.key == event->key();
    });
    if (found == keys.end())
        return false;
    if (found->button->isEnabled() && found->button->isVisible())
        found->button->click();
    event->accept();
    return true;
}

void AddButtonKeys(QWidget* window, std::vector<ButtonKey> keys) {
    new ButtonKeys(window, std::move(keys));
}

QString KeyName(int key) {
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

void SetTabOrder(const std::vector<QWidget*>& order) {
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void ShowFocusAlways() {
    // Once per application object.
    static QPointer<QObject> installed;
    if (installed || qApp == nullptr)
        return;
    installed = new FocusShownEverywhere(qApp);
    qApp->installEventFilter(installed);
}

void MarkFocus(QWidget* control) {
    new FocusRing(control);
}

} // namespace dealmoor
