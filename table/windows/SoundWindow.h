#pragma once
// The sound choice window ("SoundForm"): the five event sounds, one row each
// with the file it plays, a Change button that picks another wave file and a
// Preview button that plays the row's file to its end whatever the sound
// switches say. "Restore Default Sounds" puts the shipped files back. Every
// change goes into the settings record at once; there is nothing to cancel, and
// the session writes the paths to the settings file when the program closes.
//
// Controls: for each row (Blackjack, CardDeal, Lose, Win, Shuffle) the label
// "<Row>Label", the file name "<Row>File", the buttons "<Row>Change" and
// "<Row>Preview"; "RestoreDefaults" and "OKButton" "&OK".

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace dealmoor {

struct TableSettings;
class FileChooser;

class SoundWindow : public QDialog {
    Q_OBJECT
public:
    // preview plays a file synchronously, within its own length, whatever the switches say.
    SoundWindow(TableSettings& settings, FileChooser& files,
                std::function<void(const std::string&)> preview, QWidget* parent = nullptr);

    // Opens a help topic (F1): the window's is HelpSoundWindow.
    std::function<void(int)> helpRequested;

    static constexpr int RowCount = 5;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onChange(int row);
    void onPreview(int row);
    void onRestoreDefaults();
    void showFiles();
    std::string& fileOf(int row);

    TableSettings& settings_;
    FileChooser& files_;
    std::function<void(const std::string&)> preview_;
    std::string lastFolder_; // where Change last found a file, for as long as the window is open
    std::array<QLabel*, RowCount> fileNames_{};
};

} // namespace dealmoor
