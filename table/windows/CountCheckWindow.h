#pragma once
// The count check ("CountCheck"): between two deals, while the player practises
// the count, a small window over the table asks for the running count, then,
// when the practice asks for them, the true count and the decks left. Each
// answer is graded the moment it is given: right or wrong, the right value and
// how long the answer took. Digits, a minus and Enter answer; Enter goes on
// once every question is answered; Esc skips whatever is still unanswered and
// goes on at once (a skipped question is recorded as skipped, never as
// wrong). The window
// only asks: the right values and the grading are the count school's
// (strategy/CountDrill.h, strategy/CountingRecord.h).
//
// Controls: CheckHeading; one row per question with its answer field
// (RunningAnswer, TrueAnswer, DecksAnswer) and its verdict (RunningVerdict,
// TrueVerdict, DecksVerdict); CheckGoOn "&Go On", CheckSkip "S&kip",
// CheckHelp "&Help" (also F1).

#include "strategy/CountDrill.h"
#include "strategy/CountingRecord.h"
#include "table/ModalOverlay.h"

#include <QElapsedTimer>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dealmoor {

class CountCheckWindow : public OverlayDialog {
    Q_OBJECT
public:
    explicit CountCheckWindow(QWidget* parent);

    // Centres the window over `area` of its parent (the two views of the table).
    void placeOver(const QRect& area);
    // Asks about `counts` in `system` and waits for the player; the rounds to
    // record, one for every question asked, in the order asked. Nothing when
    // the check was called off.
    std::vector<CountingRound> ask(const StoredCounts& counts, CountingSystem system,
                                   bool askTrueCount, CalendarDay today);
    // The program is closing: the check ends now and records nothing.
    void callOff();
    // Whether a check is waiting for the player right now.
    bool asking() const { return isVisible(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Row {
        CountingDrill drill;
        QLabel* label;
        QLineEdit* answer;
        QLabel* verdict;
    };

    void createControls();
    // Opens the next unanswered question, or, when none is left, Go On.
    void askNext();
    void onEnter();
    // The current question's answer, graded and shown.
    void grade(std::optional<Tenths> answer);
    void onSkipClicked();
    void finish();

    QLabel* heading_ = nullptr;
    std::array<Row, 3> rows_{};
    QPushButton* goOn_ = nullptr;
    QPushButton* skip_ = nullptr;
    QPushButton* help_ = nullptr;

    CheckAnswers right_;
    CountingSystem system_ = CountingSystem::HiOpt1;
    CalendarDay today_;
    int asked_ = 1;   // questions in this check
    int current_ = 0; // the question waiting, asked_ once all are answered
    QElapsedTimer clock_;
    std::vector<CountingRound> rounds_;
    bool calledOff_ = false;
};

} // namespace dealmoor
