#pragma once
// What every window test shares: a private home folder so the real settings are
// never touched, a fixed locale and font so texts keep their widths, and a
// poller that answers modal windows so a test can never hang on one.

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <string>
#include <utility>

namespace dealmoor::testing {

inline constexpr const char* TestFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr int TestFontPointSize = 9;
inline constexpr int DefaultModalTimeoutMs = 5000;

// The program folder the build draws the pictures, sounds and help pages into
// (the tests themselves are built elsewhere).
inline std::string TestProgramDir() {
    return DEALMOOR_PROGRAM_DIR;
}

// HOME, XDG_CONFIG_HOME and XDG_DATA_HOME point into a temporary folder for as
// long as this object lives.
class TestHome {
public:
    TestHome() {
        point("HOME", QStringLiteral("home"));
        point("XDG_CONFIG_HOME", QStringLiteral("home/.config"));
        point("XDG_DATA_HOME", QStringLiteral("home/.local/share"));
    }
    QString path() const { return dir_.path() + QStringLiteral("/home"); }

private:
    void point(const char* variable, const QString& relative) {
        const QString folder = dir_.path() + QLatin1Char('/') + relative;
        QDir().mkpath(folder);
        qputenv(variable, QFile::encodeName(folder));
    }
    QTemporaryDir dir_;
};

// en_US money and numbers, DejaVu Sans as the application font.
inline void PrepareTestApplication() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(TestFontFile));
    if (id < 0) {
        qFatal("test font %s is missing (install fonts-dejavu-core)", TestFontFile);
    }
    QFont font(QFontDatabase::applicationFontFamilies(id).first());
    font.setPointSize(TestFontPointSize);
    QApplication::setFont(font);
}

// The visible top-level windows, for cleanup() checks that a test left none open.
inline QWidgetList VisibleTopLevels() {
    QWidgetList open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            open.append(widget);
        }
    }
    return open;
}

// Polls on a timer until `find` returns a widget, then runs `act` on it once.
// Gives up after `timeoutMs`; a modal window still open then is closed so the
// test goes on (and fails on acted() == false) instead of hanging.
class WidgetPoller {
public:
    using Finder = std::function<QWidget*()>;
    using Action = std::function<void(QWidget*)>;

    WidgetPoller(Finder find, Action act, int timeoutMs = DefaultModalTimeoutMs)
        : find_(std::move(find)), act_(std::move(act)), timeoutMs_(timeoutMs) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        clock_.start();
        timer_.start(10);
    }
    WidgetPoller(const WidgetPoller&) = delete;
    WidgetPoller& operator=(const WidgetPoller&) = delete;

    bool acted() const { return acted_; }
    bool timedOut() const { return timedOut_; }

private:
    void poll() {
        if (QWidget* widget = find_()) {
            timer_.stop();
            acted_ = true;
            act_(widget);
            return;
        }
        if (clock_.elapsed() > timeoutMs_) {
            timer_.stop();
            timedOut_ = true;
            if (QWidget* stuck = QApplication::activeModalWidget()) {
                stuck->close();
            }
        }
    }

    Finder find_;
    Action act_;
    int timeoutMs_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool acted_ = false;
    bool timedOut_ = false;
};

// The usual case: act on the next application-modal window (message boxes, dialogs run with
// exec()).
class ModalPoller : public WidgetPoller {
public:
    explicit ModalPoller(Action act, int timeoutMs = DefaultModalTimeoutMs)
        : WidgetPoller([] { return QApplication::activeModalWidget(); }, std::move(act),
                       timeoutMs) {}
};

// Finds the first visible widget of type T anywhere in the application (for
// child overlays that are not application-modal windows).
template <typename T> QWidget* FindVisible() {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* found = qobject_cast<T*>(widget); found && found->isVisible()) {
            return found;
        }
    }
    return nullptr;
}

// The text of a message box (empty for any other window).
inline QString MessageBoxText(QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    return box ? box->text() : QString();
}

// Presses one of a message box's standard buttons; any other window is closed.
inline void PressMessageBoxButton(QWidget* widget, QMessageBox::StandardButton which) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box && box->button(which)) {
        box->button(which)->click();
        return;
    }
    widget->close();
}

} // namespace dealmoor::testing

// A Qt Test main that first moves HOME and the XDG folders aside, then fixes the
// locale and font, then runs the test class.
#define DEALMOOR_QTEST_MAIN(TestClass)                                                             \
    int main(int argc, char** argv) {                                                              \
        dealmoor::testing::TestHome home;                                                          \
        QApplication app(argc, argv);                                                              \
        dealmoor::testing::PrepareTestApplication();                                               \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
