#include "table/StrategyCardCommand.h"

#include "engine/Game.h"
#include "platform/AtomicFile.h"
#include "setup/TableSettings.h"
#include "strategy/StrategyFile.h"
#include "table/FileChooser.h"
#include "table/FilePaths.h"
#include "table/ModalOverlay.h"

#include <filesystem>

namespace dealmoor {

namespace {

const char* const CardFilter = "Strategy Cards|*.STC";
const char* const NotACardMessage = "Unable to read a strategy card from ";

// Only a plain file is read: a device or a pipe could hold the window forever.
bool readCard(const std::string& path, StrategyCard& card) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && ReadCardFile(path, card);
}

} // namespace

StrategyCardCommand::StrategyCardCommand(Game& game, TableSettings& settings, Editor edit,
                                         QWidget* parent)
    : game_(game), settings_(settings), edit_(std::move(edit)), parent_(parent) {}

void StrategyCardCommand::run(FileChooser& files) {
    settings_.SaveStrategy = false;
    const std::string folder = openFolder_.empty() ? settings_.DataDir : openFolder_;
    const std::string picked = files.openFile(parent_, {CardFilter, folder, openName_});
    if (picked.empty())
        return; // nothing picked, nothing to show
    openFolder_ = FolderOf(picked);
    openName_ = FileNameOf(picked);

    StrategyCard& card = game_.StrategyCards[EditSlot];
    if (!readCard(picked, card)) {
        ShowInformation(parent_, QString::fromLatin1(NotACardMessage) + QtPath(picked));
        return;
    }
    settings_.SaveStrategy = edit_(card);
    if (!settings_.SaveStrategy)
        return;
    settings_.SaveStrategy = false;
    const std::string target = files.saveFile(parent_, {CardFilter, openFolder_, openName_});
    if (target.empty())
        return;
    if (!WriteCardFile(target, card))
        ShowInformation(parent_, QString::fromStdString(UnableToWriteMessage(target)));
}

} // namespace dealmoor
