#pragma once
// Options > Strategy Cards: pick any card file, edit it in the game's edit
// slot with the strategy card window, and on Save write it wherever the user
// says. The seats' own cards are not touched: a card saved over a seat's file
// plays for that seat from the next start-up.
//
// A picked file that is not a card (unreadable, or shorter than a card) is not
// opened: the user is told which file it was. A save that fails says so and
// leaves the file that was there as it was.

#include <functional>
#include <string>

class QWidget;

namespace dealmoor {

struct Game;
struct StrategyCard;
struct TableSettings;
class FileChooser;

class StrategyCardCommand {
public:
    // Edits a card and returns true when the user chose Save.
    using Editor = std::function<bool(StrategyCard&)>;

    StrategyCardCommand(Game& game, TableSettings& settings, Editor edit, QWidget* parent);

    // One run of the command, asking for files through `files`.
    void run(FileChooser& files);

private:
    Game& game_;
    TableSettings& settings_;
    Editor edit_;
    QWidget* parent_;
    // Where the open dialog starts and the name it proposes: the data folder at
    // first, then the last picked file's.
    std::string openFolder_;
    std::string openName_;
};

} // namespace dealmoor
