#pragma once
// The count practice window ("CountPracticeForm", Options > Counting > Practice
// Settings): whether the player practises the count at the table, the system
// practised, whether the caption and the Card Count message keep the counts to
// themselves, how often the table checks the count between deals, and whether
// a check asks the true count and the decks left too. It edits a copy; OK
// hands it back.
//
// Controls: PractiseCount; SystemHiOpt1, SystemHiOpt2; HideCounts; CheckNever,
// CheckShuffle, CheckEvery, CheckRandom with CheckDeals (the N of both);
// AskTrueCount; the buttons OK, Cancel and Help (also F1).

#include "setup/CountPractice.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QKeyEvent;
class QRadioButton;
class QSpinBox;

namespace dealmoor {

class CountPracticeWindow : public QDialog {
    Q_OBJECT
public:
    CountPracticeWindow(const CountPractice& practice, QWidget* parent = nullptr);

    // The choices as the window shows them now.
    CountPractice practice() const;

    // Opens a help topic (the Help button, or F1).
    std::function<void(int)> helpRequested;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void showChoices(const CountPractice& practice);
    // N means something only for the two frequencies that count deals.
    void enableCheckDeals();

    QCheckBox* practise_ = nullptr;
    std::array<QRadioButton*, 2> systems_{};
    QCheckBox* hideCounts_ = nullptr;
    std::array<QRadioButton*, CheckFrequencies> checks_{};
    QSpinBox* checkDeals_ = nullptr;
    QCheckBox* askTrueCount_ = nullptr;
};

} // namespace dealmoor
