#include "table/windows/SoundWindow.h"

#include "setup/SoundDefaults.h"
#include "setup/TableSettings.h"
#include "table/FileChooser.h"
#include "table/FilePaths.h"
#include "table/HelpViewer.h"
#include "table/Keyboard.h"
#include "table/ModalOverlay.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <utility>
#include <vector>

namespace dealmoor {

namespace {

const char* const Caption = "Change Sounds (WAV Files)";
const char* const WaveFilter = "Wav Files|*.WAV";
const char* const ChangeCaption = "Change";
const char* const PreviewCaption = "Preview";
const char* const RestoreCaption = "Restore Default Sounds";
const char* const OkCaption = "&OK";
const char* const ChangeHint =
    "Click this button to browse your hard drive for a sound for this event.";
const char* const PreviewHint = "Click this button to play the currently selected sound file.";
const char* const RestoreHint =
    "Click this button to use the default (original) sounds for the above events.";
const char* const PathTooLongMessage =
    "The path of this sound file is longer than 1023 characters, so it cannot be kept. "
    "Please choose a file in a folder with a shorter path.";

struct SoundRow {
    const char* name; // stem of the row's control names
    const char* label;
    std::string TableSettings::*file;
};

// Top to bottom.
constexpr std::array<SoundRow, SoundWindow::RowCount> Rows = {{
    {"Blackjack", "Blackjack Sound:", &TableSettings::BlackjackSoundFile},
    {"CardDeal", "Card Deal Sound:", &TableSettings::CardSoundFile},
    {"Lose", "Lose Sound:", &TableSettings::LoseSoundFile},
    {"Win", "Win Sound:", &TableSettings::WinSoundFile},
    {"Shuffle", "Shuffle Sound:", &TableSettings::ShuffleSoundFile},
}};

constexpr QSize ClientSize(394, 399);
// Each row: the bold label over the file's name on the left, its two buttons on the right.
constexpr int FirstRowTop = 12;
constexpr int RowStep = 62;
constexpr int Margin = 16;
constexpr QSize LabelSize(180, 20);
constexpr int FileNameTop = 22;
constexpr QSize FileNameSize(180, 18);
constexpr QSize RowButtonSize(86, 30);
constexpr int ChangeLeft = 200;
constexpr int PreviewLeft = 292;
constexpr int RowButtonTop = 6;
constexpr int RuleBelowRow = 50;
// Under the rows: Restore Default Sounds on the left, OK on the right.
constexpr int BottomButtonTop = 352;
constexpr QSize RestoreSize(200, 33);
constexpr QSize OkSize(88, 33);

QString name(const SoundRow& row, const char* part) {
    return QString::fromLatin1(row.name) + QString::fromLatin1(part);
}

QPushButton* makeButton(QWidget* parent, const QString& objectName, const char* caption,
                        const char* hint, QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    if (icon != QStyle::SP_CustomBase)
        button->setIcon(parent->style()->standardIcon(icon));
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    if (hint != nullptr)
        button->setToolTip(QString::fromLatin1(hint));
    return button;
}

} // namespace

SoundWindow::SoundWindow(TableSettings& settings, FileChooser& files,
                         std::function<void(const std::string&)> preview, QWidget* parent)
    : QDialog(parent), settings_(settings), files_(files), preview_(std::move(preview)) {
    setObjectName(QStringLiteral("SoundForm"));
    setWindowTitle(QString::fromLatin1(Caption));
    setFixedSize(ClientSize);

    QFont bold = font();
    bold.setBold(true);
    std::vector<QWidget*> order; // row by row, then the buttons under the rows
    for (int row = 0; row < RowCount; ++row) {
        const SoundRow& sound = Rows[row];
        const int top = FirstRowTop + RowStep * row;

        auto* label = new QLabel(QString::fromLatin1(sound.label), this);
        label->setObjectName(name(sound, "Label"));
        label->setFont(bold);
        label->setGeometry(QRect(QPoint(Margin, top), LabelSize));

        fileNames_[row] = new QLabel(this);
        fileNames_[row]->setObjectName(name(sound, "File"));
        fileNames_[row]->setGeometry(QRect(QPoint(Margin, top + FileNameTop), FileNameSize));
        fileNames_[row]->setForegroundRole(QPalette::PlaceholderText);

        QPushButton* change = makeButton(this, name(sound, "Change"), ChangeCaption, ChangeHint,
                                         QStyle::SP_DirOpenIcon);
        change->setGeometry(QRect(QPoint(ChangeLeft, top + RowButtonTop), RowButtonSize));
        connect(change, &QPushButton::clicked, this, [this, row] { onChange(row); });
        QPushButton* play = makeButton(this, name(sound, "Preview"), PreviewCaption, PreviewHint,
                                       QStyle::SP_MediaPlay);
        play->setGeometry(QRect(QPoint(PreviewLeft, top + RowButtonTop), RowButtonSize));
        connect(play, &QPushButton::clicked, this, [this, row] { onPreview(row); });
        order.insert(order.end(), {change, play});

        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        rule->setGeometry(Margin, top + RuleBelowRow, ClientSize.width() - 2 * Margin, 2);
    }

    QPushButton* restore =
        makeButton(this, QStringLiteral("RestoreDefaults"), RestoreCaption, RestoreHint);
    restore->setGeometry(QRect(QPoint(Margin, BottomButtonTop), RestoreSize));
    connect(restore, &QPushButton::clicked, this, &SoundWindow::onRestoreDefaults);
    QPushButton* ok = makeButton(this, QStringLiteral("OKButton"), OkCaption, nullptr);
    ok->setGeometry(
        QRect(QPoint(ClientSize.width() - Margin - OkSize.width(), BottomButtonTop), OkSize));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    order.insert(order.end(), {restore, ok});
    SetTabOrder(order);

    SetHelpContext(this, HelpSoundWindow);
    showFiles();
}

std::string& SoundWindow::fileOf(int row) {
    return settings_.*Rows[row].file;
}

// Each row names its file; the whole path is its tooltip.
void SoundWindow::showFiles() {
    for (int row = 0; row < RowCount; ++row) {
        const QString path = QtPath(fileOf(row));
        QLabel* shown = fileNames_[row];
        const QString fileName = QtPath(FileNameOf(fileOf(row)));
        shown->setText(
            QFontMetrics(shown->font()).elidedText(fileName, Qt::ElideMiddle, shown->width()));
        shown->setToolTip(path);
    }
}

void SoundWindow::onChange(int row) {
    const std::string chosen =
        files_.openFile(this, {WaveFilter, lastFolder_, FileNameOf(fileOf(row))});
    if (chosen.empty())
        return; // cancelled: the row keeps its file
    lastFolder_ = FolderOf(chosen);
    if (!FitsSoundSetting(chosen)) {
        ShowInformation(this, QString::fromLatin1(PathTooLongMessage));
        return;
    }
    fileOf(row) = chosen;
    showFiles();
}

void SoundWindow::onPreview(int row) {
    if (preview_)
        preview_(fileOf(row));
}

void SoundWindow::onRestoreDefaults() {
    SetDefaultSoundFiles(settings_);
    showFiles();
}

void SoundWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void SoundWindow::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace dealmoor
