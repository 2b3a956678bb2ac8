#include "table/windows/PlayerSetupWindow.h"

#include "engine/Characters.h"
#include "engine/Game.h"
#include "platform/FileLookup.h"
#include "setup/SettingsFile.h"
#include "setup/TableSettings.h"
#include "strategy/StrategyFile.h"
#include "table/Keyboard.h"
#include "table/ModalOverlay.h"
#include "table/SpriteSheets.h"
#include "table/windows/HouseRulesWindow.h"

#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <filesystem>
#include <vector>

namespace dealmoor {

namespace {

const char* const WindowTitle = "Select Players [press F1 for HELP]";
const char* const CharacterCaption = "Character #";
const char* const NumberOfPlayers = "Number of Players:";
const char* const HumanCaption = "Human";
const char* const ComputerCaption = "Computer";
const char* const StrategyCaption = "Strategy";
const char* const EditRulesCaption = "&Edit Rules";
const char* const OkCaption = "&OK";
const char* const UnableToReadCard = "Unable to read strategy card ";
const char* const CardFileFilter = "Strategy Cards (*.stc)";
const char* const CardFileSuffix = "stc";

// The portraits of the Heads sheet: 178 by 178, character n's top edge at (n - 1) x 178.
constexpr int PortraitSize = 178;

constexpr int CharacterButtonWidth = 116;
constexpr int ControlButtonWidth = 92;
constexpr int NameWidth = 190;
constexpr int StrategyButtonWidth = 84;
constexpr int AboutHeight = 112;
constexpr int SeatCounterWidth = 150;
// Rows tall enough to line up with the character browser beside them.
constexpr int RowControlHeight = 30;
constexpr int OuterMargin = 16;

QString characterCaption(int number) {
    return QLatin1String(CharacterCaption) + QString::number(number);
}

QFont boldFont(QFont font) {
    font.setBold(true);
    return font;
}

// Scroll bars take no focus by default; these two are controls of their own,
// moved with the arrow keys, so they do, and show it.
void takeKeyboardFocus(QScrollBar* bar) {
    bar->setFocusPolicy(Qt::StrongFocus);
    MarkFocus(bar);
}

QPushButton* namedButton(const QString& name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// Character n's portrait from the Heads sheet, for a screen of pixel ratio
// `ratio`; a plain frame when the sheet is missing.
QPixmap portraitOf(const QImage& heads, int number, double ratio) {
    const QRect cell(0, (number - 1) * PortraitSize, PortraitSize, PortraitSize);
    const QRect sheet(QPoint(0, 0), (QSizeF(heads.size()) / heads.devicePixelRatio()).toSize());
    if (heads.isNull() || !sheet.contains(cell)) {
        QPixmap blank(PortraitSize, PortraitSize);
        blank.fill(Qt::darkGray);
        return blank;
    }
    return SheetCell(heads, cell, ratio);
}

// The character's own card, named as the data folder holds it, when it is there.
std::string proposedCardName(const std::string& dataDir, int number) {
    const std::string found = FindFileNoCase(dataDir, DefaultCardFileName(number));
    return found.empty() ? std::string() : std::filesystem::path(found).filename().string();
}

std::string chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return "";
    return dialog.selectedFiles().first().toStdString();
}

} // namespace

CardFileDialogs DesktopCardFileDialogs(QWidget* parent) {
    CardFileDialogs dialogs;
    dialogs.open = [parent](const std::string& dir, const std::string& proposed) {
        QFileDialog dialog(parent, QString(), QString::fromStdString(dir),
                           QString::fromLatin1(CardFileFilter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!proposed.empty())
            dialog.selectFile(QString::fromStdString(proposed));
        return chosenFile(dialog);
    };
    dialogs.save = [parent](const std::string& proposedPath) {
        QFileDialog dialog(parent, QString(), QString(), QString::fromLatin1(CardFileFilter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QString::fromLatin1(CardFileSuffix));
        dialog.selectFile(QString::fromStdString(proposedPath));
        return chosenFile(dialog);
    };
    return dialogs;
}

PlayerSetupWindow::PlayerSetupWindow(Game& game, TableSettings& settings, const QImage& heads,
                                     QWidget* parent)
    : QDialog(parent), game_(game), settings_(settings), heads_(heads),
      setup_(ReadPlayerSetup(game)) {
    setObjectName(QStringLiteral("PlayForm"));
    // Modal to the table, not to the help window opened from it.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QString::fromLatin1(WindowTitle));
    dialogs = DesktopCardFileDialogs(this);
    createControls();
    SetHelpContext(this, HelpPlayerSetup);

    // The rows are read from the seats once, as the window opens: what the user
    // changes stays in them while the rules window or a message is shown.
    for (int seat = 1; seat <= MaxSeats; ++seat)
        showRow(seat);
    showCharacter(characters_->value());
    // Sized for all six rows, so hiding some leaves the window as it is.
    setFixedSize(sizeHint());
    seatCounter_->setValue(setup_.SeatCount);
    showSeatCount(setup_.SeatCount);
}

void PlayerSetupWindow::createControls() {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(OuterMargin, OuterMargin, OuterMargin, OuterMargin);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(10);
    layout->addWidget(createBrowser(), 0, 0, 2, 1);

    auto* count = new QHBoxLayout;
    count->setSpacing(8);
    count->addWidget(new QLabel(QString::fromLatin1(NumberOfPlayers), this));
    seatCount_ = new QLabel(this);
    seatCount_->setObjectName(QStringLiteral("Label3"));
    seatCount_->setFont(boldFont(font()));
    seatCount_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")));
    count->addWidget(seatCount_);
    seatCounter_ = new QScrollBar(Qt::Horizontal, this);
    seatCounter_->setObjectName(QStringLiteral("ScrollBar2"));
    seatCounter_->setRange(1, MaxSeats);
    seatCounter_->setPageStep(1);
    seatCounter_->setFixedWidth(SeatCounterWidth);
    takeKeyboardFocus(seatCounter_);
    connect(seatCounter_, &QScrollBar::valueChanged, this, &PlayerSetupWindow::showSeatCount);
    count->addWidget(seatCounter_);
    count->addStretch();
    layout->addLayout(count, 0, 1);

    auto* seats = new QVBoxLayout;
    seats->setSpacing(6);
    for (int seat = 1; seat <= MaxSeats; ++seat)
        seats->addWidget(createSeatRow(seat));
    seats->addStretch();
    layout->addLayout(seats, 1, 1);

    auto* bar = new QHBoxLayout;
    QPushButton* editRules = namedButton(QStringLiteral("Button1"), EditRulesCaption, this);
    connect(editRules, &QPushButton::clicked, this, &PlayerSetupWindow::onEditRulesClicked);
    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                               QString::fromLatin1(OkCaption), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* button : {editRules, ok}) {
        button->setMinimumWidth(StrategyButtonWidth + ControlButtonWidth / 2);
        button->setFixedHeight(RowControlHeight);
    }
    bar->addStretch();
    bar->addWidget(editRules);
    bar->addWidget(ok);
    layout->addLayout(bar, 2, 0, 1, 2);

    // The browser, the number of players, each seat's row across, then the buttons.
    std::vector<QWidget*> order = {characters_, seatCounter_};
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        const SeatRowControls& c = rows_[seat];
        order.insert(order.end(), {c.character, c.control, c.name, c.strategy});
    }
    order.insert(order.end(), {editRules, ok});
    SetTabOrder(order);
}

QWidget* PlayerSetupWindow::createBrowser() {
    auto* browser = new QFrame(this);
    browser->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* column = new QVBoxLayout(browser);

    characterTitle_ = new QLabel(browser);
    characterTitle_->setObjectName(QStringLiteral("Label1"));
    characterTitle_->setFont(boldFont(font()));
    characterTitle_->setAlignment(Qt::AlignCenter);
    column->addWidget(characterTitle_);

    auto* picture = new QHBoxLayout;
    picture->setSpacing(2);
    portrait_ = new QLabel(browser);
    portrait_->setObjectName(QStringLiteral("Image1"));
    portrait_->setFixedSize(PortraitSize, PortraitSize);
    picture->addWidget(portrait_);
    characters_ = new QScrollBar(Qt::Vertical, browser);
    characters_->setObjectName(QStringLiteral("ScrollBar1"));
    characters_->setRange(1, MaxCharacters);
    characters_->setPageStep(1);
    characters_->setFixedHeight(PortraitSize);
    takeKeyboardFocus(characters_);
    connect(characters_, &QScrollBar::valueChanged, this, &PlayerSetupWindow::showCharacter);
    picture->addWidget(characters_);
    column->addLayout(picture);

    about_ = new QPlainTextEdit(browser);
    about_->setObjectName(QStringLiteral("Memo1"));
    about_->setReadOnly(true);
    about_->setFocusPolicy(Qt::NoFocus); // a few lines that fit: nothing to scroll or type
    about_->setFixedHeight(AboutHeight);
    about_->setFixedWidth(PortraitSize + characters_->sizeHint().width() + picture->spacing());
    column->addWidget(about_);
    column->addStretch();
    return browser;
}

QWidget* PlayerSetupWindow::createSeatRow(int seat) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(seat + 3));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(10, 5, 10, 5);

    auto* number = new QLabel(QString::number(seat), panel);
    number->setFont(boldFont(font()));
    number->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")));
    row->addWidget(number);

    SeatRowControls& c = rows_[seat];
    c.panel = panel;
    c.character = namedButton(QStringLiteral("Button%1").arg(2 * seat), CharacterCaption, panel);
    c.character->setFixedWidth(CharacterButtonWidth);
    c.control = namedButton(QStringLiteral("Button%1").arg(2 * seat + 1), HumanCaption, panel);
    c.control->setFixedWidth(ControlButtonWidth);
    c.name = new QLineEdit(panel);
    c.name->setObjectName(QStringLiteral("Edit%1").arg(seat));
    c.name->setMaxLength(NameMax);
    c.name->setFixedWidth(NameWidth);
    c.strategy = namedButton(QStringLiteral("Button%1").arg(13 + seat), StrategyCaption, panel);
    c.strategy->setProperty("tag", seat);
    c.strategy->setFixedWidth(StrategyButtonWidth);
    for (QWidget* control : {static_cast<QWidget*>(c.character), static_cast<QWidget*>(c.control),
                             static_cast<QWidget*>(c.name), static_cast<QWidget*>(c.strategy)}) {
        control->setFixedHeight(RowControlHeight);
        row->addWidget(control);
    }

    connect(c.character, &QPushButton::clicked, this, [this, seat] { onCharacterClicked(seat); });
    connect(c.control, &QPushButton::clicked, this, [this, seat] { onControlClicked(seat); });
    connect(c.name, &QLineEdit::textEdited, this,
            [this, seat](const QString& text) { setup_.Rows[seat].Name = text.toStdString(); });
    connect(c.strategy, &QPushButton::clicked, this, [this, seat] { onStrategyClicked(seat); });
    return panel;
}

void PlayerSetupWindow::showRow(int seat) {
    const SetupRow& row = setup_.Rows[seat];
    SeatRowControls& c = rows_[seat];
    c.character->setText(characterCaption(row.Number));
    c.control->setText(QString::fromLatin1(row.Human ? HumanCaption : ComputerCaption));
    c.name->setText(QString::fromStdString(row.Name));
    c.strategy->setEnabled(!row.Human);
}

void PlayerSetupWindow::showCharacter(int number) {
    characterTitle_->setText(characterCaption(number));
    about_->setPlainText(QString::fromLatin1(CharacterAbout(number)));
    portrait_->setPixmap(portraitOf(heads_, number, devicePixelRatio()));
}

void PlayerSetupWindow::showSeatCount(int count) {
    setup_.SeatCount = count;
    seatCount_->setText(QString::number(count));
    for (int seat = 1; seat <= MaxSeats; ++seat)
        rows_[seat].panel->setVisible(seat <= count);
}

void PlayerSetupWindow::onCharacterClicked(int seat) {
    CycleCharacter(setup_.Rows[seat]);
    showRow(seat);
    characters_->setValue(setup_.Rows[seat].Number);
}

void PlayerSetupWindow::onControlClicked(int seat) {
    ToggleControl(setup_.Rows[seat]);
    showRow(seat);
}

void PlayerSetupWindow::onEditRulesClicked() {
    HouseRulesWindow rules(game_, this, settings_.ProgramDir);
    rules.helpRequested = helpRequested;
    rules.exec();
}

void PlayerSetupWindow::onStrategyClicked(int seat) {
    settings_.SaveStrategy = false;
    const std::string& dataDir = settings_.DataDir;
    const std::string picked =
        dialogs.open ? dialogs.open(dataDir, proposedCardName(dataDir, setup_.Rows[seat].Number))
                     : std::string();
    if (picked.empty())
        return;
    StrategyCard card;
    if (!ReadCardFile(picked, card)) {
        // Too short to be a card, or unreadable: the seat keeps the card it has.
        ShowInformation(
            this, QLatin1String(UnableToReadCard) +
                      QString::fromStdString(std::filesystem::path(picked).filename().string()));
        return;
    }
    TakePickedCard(game_, picks_, seat, card, picked, dataDir);
    editPickedCard(seat, picked);
}

void PlayerSetupWindow::editPickedCard(int seat, const std::string& picked) {
    const bool save = editCard && editCard(game_.StrategyCards[EditSlot]);
    settings_.SaveStrategy = save;
    if (!save)
        return; // the seat plays the card as it was picked
    const std::string target = dialogs.save ? dialogs.save(picked) : std::string();
    if (target.empty())
        return;
    if (!WriteCardFile(target, game_.StrategyCards[EditSlot])) {
        ShowInformation(this, QString::fromStdString(UnableToWriteMessage(target)));
        return;
    }
    TakeSavedCard(game_, picks_, seat, target, settings_.DataDir);
}

void PlayerSetupWindow::done(int result) {
    if (!closed_) {
        closed_ = true;
        if (result == QDialog::Accepted)
            CommitPlayerSetup(game_, setup_);
        const auto toLoad = CloseSetup(game_, picks_);
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            if (toLoad[seat])
                LoadSeatCard(game_, seat, settings_.DataDir);
        }
    }
    QDialog::done(result);
}

void PlayerSetupWindow::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace dealmoor
