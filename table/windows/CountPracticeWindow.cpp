#include "table/windows/CountPracticeWindow.h"

#include "table/CountingTexts.h"
#include "table/ModalOverlay.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace dealmoor {

CountPracticeWindow::CountPracticeWindow(const CountPractice& practice, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CountPracticeForm"));
    setWindowTitle(tr("Count Practice"));
    createControls();
    showChoices(practice);
    SetHelpContext(this, HelpCountPractice);
}

void CountPracticeWindow::createControls() {
    auto* layout = new QVBoxLayout(this);
    practise_ = new QCheckBox(tr("&Practise the count at the table"), this);
    practise_->setObjectName(QStringLiteral("PractiseCount"));
    layout->addWidget(practise_);

    auto* system = new QGroupBox(tr("System"), this);
    auto* systemLayout = new QHBoxLayout(system);
    systems_[0] = new QRadioButton(tr("Hi-Opt &I"), system);
    systems_[0]->setObjectName(QStringLiteral("SystemHiOpt1"));
    systems_[1] = new QRadioButton(tr("Hi-Op&t II"), system);
    systems_[1]->setObjectName(QStringLiteral("SystemHiOpt2"));
    for (QRadioButton* button : systems_)
        systemLayout->addWidget(button);
    systemLayout->addStretch();
    layout->addWidget(system);

    hideCounts_ = new QCheckBox(tr("Hi&de the counts: the title bar shows the cards dealt only, "
                                   "and Card Count asks first"),
                                this);
    hideCounts_->setObjectName(QStringLiteral("HideCounts"));
    layout->addWidget(hideCounts_);

    auto* checks = new QGroupBox(tr("Check my count between deals"), this);
    auto* checksLayout = new QGridLayout(checks);
    const std::array<std::pair<const char*, QString>, CheckFrequencies> frequencies{{
        {"CheckNever", tr("&Never")},
        {"CheckShuffle", tr("At every &shuffle (the count before it)")},
        {"CheckEvery", tr("&Every N deals")},
        {"CheckRandom", tr("At &random, about one deal in N")},
    }};
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        checks_[i] = new QRadioButton(frequencies[i].second, checks);
        checks_[i]->setObjectName(QString::fromLatin1(frequencies[i].first));
        checksLayout->addWidget(checks_[i], static_cast<int>(i), 0, 1, 2);
        connect(checks_[i], &QRadioButton::toggled, this, &CountPracticeWindow::enableCheckDeals);
    }
    auto* dealsLabel = new QLabel(tr("N (de&als):"), checks);
    checkDeals_ = new QSpinBox(checks);
    checkDeals_->setObjectName(QStringLiteral("CheckDeals"));
    checkDeals_->setRange(MinCheckDeals, MaxCheckDeals);
    checkDeals_->setSuffix(tr(" deals"));
    checkDeals_->setAccessibleName(tr("Deals between checks"));
    dealsLabel->setBuddy(checkDeals_);
    auto* dealsRow = new QHBoxLayout;
    dealsRow->addWidget(dealsLabel);
    dealsRow->addWidget(checkDeals_);
    dealsRow->addStretch();
    checksLayout->addLayout(dealsRow, static_cast<int>(checks_.size()), 0, 1, 2);
    layout->addWidget(checks);

    askTrueCount_ = new QCheckBox(tr("Also ask the true count and the dec&ks left"), this);
    askTrueCount_->setObjectName(QStringLiteral("AskTrueCount"));
    layout->addWidget(askTrueCount_);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("Help"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
        if (helpRequested)
            helpRequested(HelpCountPractice);
    });
    layout->addWidget(buttons);
}

void CountPracticeWindow::showChoices(const CountPractice& practice) {
    practise_->setChecked(practice.On);
    systems_[practice.System == CountingSystem::HiOpt2 ? 1 : 0]->setChecked(true);
    hideCounts_->setChecked(practice.HideCounts);
    checks_[static_cast<std::size_t>(practice.Checks)]->setChecked(true);
    checkDeals_->setValue(practice.CheckDeals);
    askTrueCount_->setChecked(practice.AskTrueCount);
    enableCheckDeals();
}

CountPractice CountPracticeWindow::practice() const {
    CountPractice practice;
    practice.On = practise_->isChecked();
    practice.System = systems_[1]->isChecked() ? CountingSystem::HiOpt2 : CountingSystem::HiOpt1;
    practice.HideCounts = hideCounts_->isChecked();
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        if (checks_[i]->isChecked())
            practice.Checks = static_cast<CheckFrequency>(i);
    }
    practice.CheckDeals = checkDeals_->value();
    practice.AskTrueCount = askTrueCount_->isChecked();
    return practice;
}

void CountPracticeWindow::enableCheckDeals() {
    const auto counted = [this](CheckFrequency f) {
        return checks_[static_cast<std::size_t>(f)]->isChecked();
    };
    checkDeals_->setEnabled(counted(CheckFrequency::EveryDeals) ||
                            counted(CheckFrequency::AtRandom));
}

void CountPracticeWindow::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace dealmoor
